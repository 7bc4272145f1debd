// Documents made by the tests: zip archives written with libzip (optionally
// encrypted), archives written byte by byte whose headers may lie about their
// sizes, docx and odt packages around a given body, and PDFs drawn with cairo.
#pragma once

#include <cairo-pdf.h>
#include <cairo.h>
#include <zip.h>
#include <zlib.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "support/temp_folder.h"

namespace acquisition::testing {

struct ZipEntry {
  std::string name;
  std::string bytes;
};

// The archive's bytes; throws when libzip refuses (an encryption it lacks).
inline std::string zipBytes(const std::vector<ZipEntry>& entries, const char* password = nullptr) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
  zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
  if (!archive) throw std::runtime_error("zip_open_from_source");
  zip_source_keep(buffer);
  for (const ZipEntry& e : entries) {
    zip_source_t* source = zip_source_buffer(archive, e.bytes.data(), e.bytes.size(), 0);
    const zip_int64_t index = zip_file_add(archive, e.name.c_str(), source, ZIP_FL_OVERWRITE);
    if (index < 0) throw std::runtime_error("zip_file_add");
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(index),
                             e.name == "mimetype" ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0);
    if (password && zip_file_set_encryption(archive, static_cast<zip_uint64_t>(index),
                                            ZIP_EM_AES_256, password) != 0) {
      zip_discard(archive);
      zip_source_free(buffer);
      throw std::runtime_error("no AES encryption in this libzip");
    }
  }
  if (zip_close(archive) != 0) throw std::runtime_error("zip_close");
  std::string out;
  zip_source_open(buffer);
  zip_source_seek(buffer, 0, SEEK_END);
  out.resize(static_cast<std::size_t>(zip_source_tell(buffer)));
  zip_source_seek(buffer, 0, SEEK_SET);
  zip_source_read(buffer, out.data(), out.size());
  zip_source_close(buffer);
  zip_source_free(buffer);
  zip_error_fini(&error);
  return out;
}

// --- Archives written byte by byte -------------------------------------------------

struct RawEntry {
  std::string name;
  std::string data; // as stored: deflated (raw deflate) or plain
  bool deflated = true;
  std::uint32_t crc = 0;
  std::uint32_t size = 0; // the uncompressed size the headers state
};

inline void put16(std::string& s, std::uint32_t v) {
  s.push_back(static_cast<char>(v & 0xFF));
  s.push_back(static_cast<char>((v >> 8) & 0xFF));
}
inline void put32(std::string& s, std::uint32_t v) {
  put16(s, v & 0xFFFF);
  put16(s, v >> 16);
}

inline std::string rawZip(const std::vector<RawEntry>& entries) {
  std::string out;
  std::string directory;
  for (const RawEntry& e : entries) {
    const auto offset = static_cast<std::uint32_t>(out.size());
    const auto header = [&](std::string& s, bool central) {
      put32(s, central ? 0x02014b50 : 0x04034b50);
      if (central) put16(s, 20);
      put16(s, 20);
      put16(s, 0);
      put16(s, e.deflated ? 8 : 0);
      put16(s, 0);
      put16(s, 0x21);
      put32(s, e.crc);
      put32(s, static_cast<std::uint32_t>(e.data.size()));
      put32(s, e.size);
      put16(s, static_cast<std::uint32_t>(e.name.size()));
      put16(s, 0);
      if (central) {
        put16(s, 0);
        put16(s, 0);
        put16(s, 0);
        put32(s, 0);
        put32(s, offset);
      }
      s += e.name;
    };
    header(out, false);
    out += e.data;
    header(directory, true);
  }
  const auto directoryOffset = static_cast<std::uint32_t>(out.size());
  out += directory;
  put32(out, 0x06054b50);
  put16(out, 0);
  put16(out, 0);
  put16(out, static_cast<std::uint32_t>(entries.size()));
  put16(out, static_cast<std::uint32_t>(entries.size()));
  put32(out, static_cast<std::uint32_t>(directory.size()));
  put32(out, directoryOffset);
  put16(out, 0);
  return out;
}

inline RawEntry storedEntry(std::string name, std::string bytes) {
  RawEntry e{std::move(name), std::move(bytes), false, 0, 0};
  e.crc = static_cast<std::uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(e.data.data()), static_cast<uInt>(e.data.size())));
  e.size = static_cast<std::uint32_t>(e.data.size());
  return e;
}

// An entry that inflates to `blocks` MiB of 'a' from about a kilobyte per
// MiB: one MiB deflated with a full flush gives the same bytes every time.
inline RawEntry inflatingEntry(std::string name, std::uint32_t blocks) {
  const std::string block(1u << 20, 'a');
  z_stream z{};
  deflateInit2(&z, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY);
  std::string chunk(deflateBound(&z, block.size()) + 64, '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(block.data()));
  z.avail_in = static_cast<uInt>(block.size());
  z.next_out = reinterpret_cast<Bytef*>(chunk.data());
  z.avail_out = static_cast<uInt>(chunk.size());
  deflate(&z, Z_FULL_FLUSH);
  chunk.resize(chunk.size() - z.avail_out);
  std::string tail(64, '\0');
  z.next_in = nullptr;
  z.avail_in = 0;
  z.next_out = reinterpret_cast<Bytef*>(tail.data());
  z.avail_out = static_cast<uInt>(tail.size());
  deflate(&z, Z_FINISH);
  tail.resize(tail.size() - z.avail_out);
  deflateEnd(&z);

  RawEntry e;
  e.name = std::move(name);
  e.data.reserve(chunk.size() * blocks + tail.size());
  const uLong blockCrc =
      crc32(0, reinterpret_cast<const Bytef*>(block.data()), static_cast<uInt>(block.size()));
  uLong crc = 0;
  for (std::uint32_t i = 0; i < blocks; ++i) {
    e.data += chunk;
    crc = crc32_combine(crc, blockCrc, static_cast<z_off_t>(block.size()));
  }
  e.data += tail;
  e.crc = static_cast<std::uint32_t>(crc);
  e.size = blocks * static_cast<std::uint32_t>(block.size());
  return e;
}

// --- Word and OpenDocument packages ------------------------------------------------

inline constexpr const char* WordNamespaces =
    R"(xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main" )"
    R"(xmlns:mc="http://schemas.openxmlformats.org/markup-compatibility/2006" )"
    R"(xmlns:wp="http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing")";

inline std::string docxDocument(const std::string& body) {
  return std::string(R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)") +
         "<w:document " + WordNamespaces + "><w:body>" + body + "</w:body></w:document>";
}

inline std::string docxStyles(const std::string& styles) {
  return std::string(R"(<?xml version="1.0" encoding="UTF-8"?>)") + "<w:styles " + WordNamespaces +
         ">" + styles + "</w:styles>";
}

inline std::vector<ZipEntry> docxEntries(const std::string& body, const std::string& styles = "") {
  return {
      {"[Content_Types].xml",
       R"(<?xml version="1.0"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"/>)"},
      {"_rels/.rels",
       R"(<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
       R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>)"
       R"(</Relationships>)"},
      {"word/document.xml", docxDocument(body)},
      {"word/styles.xml", docxStyles(styles)},
  };
}

inline std::string docx(const std::string& body, const std::string& styles = "") {
  return zipBytes(docxEntries(body, styles));
}

inline constexpr const char* OdfNamespaces =
    R"(xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" )"
    R"(xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" )"
    R"(xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" )"
    R"(xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0" )"
    R"(xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" )"
    R"(xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" )"
    R"(xmlns:xlink="http://www.w3.org/1999/xlink")";

inline std::vector<ZipEntry> odtEntries(const std::string& body,
                                        const std::string& automaticStyles = "",
                                        const std::string& styles = "") {
  const std::string head = R"(<?xml version="1.0" encoding="UTF-8"?>)";
  return {
      {"mimetype", "application/vnd.oasis.opendocument.text"},
      {"content.xml", head + "<office:document-content " + OdfNamespaces +
                          "><office:automatic-styles>" + automaticStyles +
                          "</office:automatic-styles><office:body><office:text>" + body +
                          "</office:text></office:body></office:document-content>"},
      {"styles.xml", head + "<office:document-styles " + OdfNamespaces + "><office:styles>" +
                         styles + "</office:styles></office:document-styles>"},
  };
}

inline std::string odt(const std::string& body, const std::string& automaticStyles = "",
                       const std::string& styles = "") {
  return zipBytes(odtEntries(body, automaticStyles, styles));
}

// --- PDF ---------------------------------------------------------------------------------

struct PdfLine {
  double x;
  double y;
  std::string text; // UTF-8
};

// One page per entry, A4, 11-point DejaVu Sans.
inline void writePdf(const std::filesystem::path& path,
                     const std::vector<std::vector<PdfLine>>& pages) {
  cairo_surface_t* surface = cairo_pdf_surface_create(path.c_str(), 595, 842);
  cairo_t* cr = cairo_create(surface);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 11);
  for (const auto& page : pages) {
    for (const PdfLine& line : page) {
      cairo_move_to(cr, line.x, line.y);
      cairo_show_text(cr, line.text.c_str());
    }
    cairo_show_page(cr);
  }
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  cairo_surface_destroy(surface);
}

// --- Files ---------------------------------------------------------------------------

// A folder of its own for every test, removed afterwards.
class DocumentFolderTest : public ::testing::Test {
protected:
  std::string write(const std::string& name, const std::string& bytes) const {
    return temp_.write(name, bytes);
  }
  std::string path(const std::string& name) const { return (temp_ / name).string(); }

  testsupport::TempFolder temp_{"lumetra-documents"};
  const std::filesystem::path& folder_ = temp_.path();
};

} // namespace acquisition::testing
