// Reads a 300-page Word document and a 300-page PDF, both written here, and
// reports each read as a ratio to reading the same text from a plain text
// file in the same run ("x_text"), with the seconds per read beside it. The
// goal is a 300-page document in at most 2 s.
#include <benchmark/benchmark.h>
#include <cairo-pdf.h>
#include <cairo.h>
#include <zip.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "acquisition/document_reader.h"
#include "acquisition/text_file.h"
#include "acquisition/word_text.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int Pages = 300;
constexpr int LinesPerPage = 40;

// A line of ordinary words, different on every line.
std::string line(int n) {
  static const char* words[] = {"reading", "the",    "quick", "lines", "of",    "a",
                                "long",    "report", "while", "time",  "moves", "on"};
  std::string s;
  for (int w = 0; w < 10; ++w) {
    s += words[(n * 7 + w * 5) % 12];
    s += ' ';
  }
  return s + std::to_string(n) + '.';
}

struct Files {
  fs::path folder, text, docx, pdf;
};

void writeDocx(const fs::path& path) {
  std::string body;
  for (int p = 0; p < Pages; ++p) {
    for (int l = 0; l < LinesPerPage; ++l)
      body += "<w:p><w:r><w:t>" + line(p * LinesPerPage + l) + "</w:t></w:r></w:p>";
    body += R"(<w:p><w:r><w:br w:type="page"/></w:r></w:p>)";
  }
  static std::string xml;
  xml =
      R"(<?xml version="1.0"?><w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"><w:body>)" +
      body + "</w:body></w:document>";
  int error = 0;
  zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  zip_source_t* source = zip_source_buffer(zip, xml.data(), xml.size(), 0);
  zip_file_add(zip, "word/document.xml", source, ZIP_FL_OVERWRITE);
  zip_close(zip);
}

void writePdf(const fs::path& path) {
  cairo_surface_t* surface = cairo_pdf_surface_create(path.c_str(), 595, 842);
  cairo_t* cr = cairo_create(surface);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 11);
  for (int p = 0; p < Pages; ++p) {
    for (int l = 0; l < LinesPerPage; ++l) {
      cairo_move_to(cr, 60, 60 + l * 18);
      cairo_show_text(cr, line(p * LinesPerPage + l).c_str());
    }
    cairo_show_page(cr);
  }
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  cairo_surface_destroy(surface);
}

const Files& files() {
  static const Files f = [] {
    Files out;
    out.folder = fs::temp_directory_path() / "lumetra-documents-bench";
    fs::create_directories(out.folder);
    out.text = out.folder / "book.txt";
    out.docx = out.folder / "book.docx";
    out.pdf = out.folder / "book.pdf";
    std::ofstream text(out.text, std::ios::binary);
    for (int n = 0; n < Pages * LinesPerPage; ++n)
      text << line(n) << '\n';
    text.close();
    writeDocx(out.docx);
    writePdf(out.pdf);
    return out;
  }();
  return f;
}

// Seconds for one read of the plain text file, the best of a few.
double referenceSeconds() {
  static const double seconds = [] {
    double best = 1e9;
    for (int i = 0; i < 20; ++i) {
      const auto start = Clock::now();
      benchmark::DoNotOptimize(acquisition::loadTextFile(files().text.string()));
      best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
  }();
  return seconds;
}

void readDocument(benchmark::State& st, const fs::path& path) {
  const double reference = referenceSeconds();
  double total = 0;
  std::size_t length = 0;
  for (auto _ : st) {
    const auto start = Clock::now();
    const acquisition::DocumentRead read = acquisition::readDocument(path.string());
    if (!read.document) {
      st.SkipWithError(read.problem.c_str());
      return;
    }
    length = acquisition::normaliseWordText(*read.document).text.size();
    total += std::chrono::duration<double>(Clock::now() - start).count();
  }
  const double perRead = total / static_cast<double>(st.iterations());
  st.counters["seconds"] = perRead;
  st.counters["x_text"] = perRead / reference;
  st.counters["chars"] = static_cast<double>(length);
  st.SetLabel(perRead <= 2.0 ? "ok (goal 2 s)" : "short (goal 2 s)");
}

void BM_Docx300Pages(benchmark::State& st) {
  readDocument(st, files().docx);
}
void BM_Pdf300Pages(benchmark::State& st) {
  readDocument(st, files().pdf);
}

BENCHMARK(BM_Docx300Pages)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Pdf300Pages)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

BENCHMARK_MAIN();
