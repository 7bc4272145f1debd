#include "acquisition/packages/pdf_reader.h"

#include <glib.h>
#include <poppler/cpp/poppler-document.h>
#include <poppler/cpp/poppler-global.h>
#include <poppler/cpp/poppler-page.h>

#include <algorithm>
#include <climits>
#include <memory>

#include "platform/cp1252.h"

namespace acquisition {

namespace {

struct GFreer {
  void operator()(gchar* p) const { g_free(p); }
};
using GString = std::unique_ptr<gchar, GFreer>;

// Poppler reports every flaw of a damaged file on stderr; the reader says
// what matters itself.
void ignorePopplerMessage(const std::string&, void*) {}

void appendFolded(std::string& out, const char* utf8, gssize length) {
  const GString folded(g_utf8_normalize(utf8, length, G_NORMALIZE_NFKC));
  out += platform::utf8ToCp1252(folded ? std::string_view(folded.get())
                                       : std::string_view(utf8, static_cast<std::size_t>(length)));
}

// A page's text: one "\n" ends a line, two or more end a paragraph.
void addPage(WordDocumentBuilder& out, std::string_view text) {
  std::size_t end = text.size();
  // Poppler ends a page with a form feed.
  while (end > 0 && static_cast<unsigned char>(text[end - 1]) <= ' ')
    --end;
  std::size_t i = 0;
  while (i < end) {
    const std::size_t line = text.find('\n', i);
    const std::size_t lineEnd = line == std::string_view::npos || line > end ? end : line;
    std::string part = foldToCp1252(text.substr(i, lineEnd - i));
    for (char& c : part)
      if (static_cast<unsigned char>(c) < ' ' && c != '\t') c = ' ';
    out.addText(part, 0);
    if (lineEnd == end) break;
    std::size_t next = lineEnd;
    while (next < end && text[next] == '\n')
      ++next;
    if (next - lineEnd >= 2) {
      out.endParagraph();
    } else {
      out.addSpecial(LineBreakChar);
    }
    i = next;
  }
}

std::optional<WordDocument> readPdf(std::unique_ptr<poppler::document> pdf,
                                    const DocumentLimits& limits) {
  if (!pdf || pdf->is_locked()) return std::nullopt;
  WordDocumentBuilder out(limits.maxTextBytes);
  bool anyText = false;
  for (int n = 0; n < pdf->pages(); ++n) {
    const std::unique_ptr<poppler::page> page(pdf->create_page(n));
    if (!page) continue;
    const poppler::byte_array bytes =
        page->text(poppler::rectf(), poppler::page::non_raw_non_physical_layout).to_utf8();
    const std::string_view text(bytes.data(), bytes.size());
    if (std::all_of(text.begin(), text.end(),
                    [](char c) { return static_cast<unsigned char>(c) <= ' '; }))
      continue;
    // A page ends its last paragraph with a page break, as a section end does.
    if (anyText) out.endParagraph(PageBreakChar);
    addPage(out, text);
    anyText = true;
  }
  return out.finish();
}

} // namespace

std::string foldToCp1252(std::string_view utf8) {
  if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; }))
    return std::string(utf8);
  // Composed first, so that a letter and its accent become the one
  // character the code page has.
  const GString composed(
      g_utf8_normalize(utf8.data(), static_cast<gssize>(utf8.size()), G_NORMALIZE_NFC));
  if (!composed) return platform::utf8ToCp1252(utf8);
  std::string out;
  out.reserve(utf8.size());
  for (const gchar* p = composed.get(); *p;) {
    const gchar* next = g_utf8_next_char(p);
    const gunichar c = g_utf8_get_char(p);
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (const auto byte = platform::unicodeToCp1252(c)) {
      out.push_back(static_cast<char>(*byte));
    } else {
      appendFolded(out, p, next - p);
    }
    p = next;
  }
  return out;
}

std::optional<WordDocument> readPdfFile(const std::string& path, const DocumentLimits& limits) {
  poppler::set_debug_error_function(ignorePopplerMessage, nullptr);
  return readPdf(std::unique_ptr<poppler::document>(poppler::document::load_from_file(path)),
                 limits);
}

std::optional<WordDocument> readPdfBytes(std::string_view bytes, const DocumentLimits& limits) {
  if (bytes.size() > static_cast<std::size_t>(INT_MAX)) return std::nullopt;
  poppler::set_debug_error_function(ignorePopplerMessage, nullptr);
  return readPdf(std::unique_ptr<poppler::document>(poppler::document::load_from_raw_data(
                     bytes.data(), static_cast<int>(bytes.size()))),
                 limits);
}

} // namespace acquisition
