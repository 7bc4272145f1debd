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
#include <initializer_list>
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
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, nullptr);
  zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, nullptr);
  if (!archive) throw std::runtime_error("zip_open_from_source");
  zip_source_keep(buffer);
  for (const ZipEntry& e : entries) {
    const auto index = static_cast<zip_uint64_t>(zip_file_add(
        archive, e.name.c_str(), zip_source_buffer(archive, e.bytes.data(), e.bytes.size(), 0),
        ZIP_FL_OVERWRITE));
    zip_set_file_compression(archive, index, e.name == "mimetype" ? ZIP_CM_STORE : ZIP_CM_DEFLATE,
                             0);
    if (password && zip_file_set_encryption(archive, index, ZIP_EM_AES_256, password) != 0) {
      zip_discard(archive);
      zip_source_free(buffer);
      throw std::runtime_error("no AES encryption in this libzip");
    }
  }
  if (zip_close(archive) != 0) throw std::runtime_error("zip_close");
  zip_source_open(buffer);
  zip_source_seek(buffer, 0, SEEK_END);
  std::string out(static_cast<std::size_t>(zip_source_tell(buffer)), '\0');
  zip_source_seek(buffer, 0, SEEK_SET);
  zip_source_read(buffer, out.data(), out.size());
  zip_source_close(buffer);
  zip_source_free(buffer);
  return out;
}

struct RawEntry {
  std::string name;
  std::string data; // as stored: deflated (raw deflate) or plain
  bool deflated = true;
  std::uint32_t crc = 0;
  std::uint32_t size = 0; // the uncompressed size the headers state
};

// Little-endian fields of 2 or 4 bytes.
inline void put(std::string& s, std::initializer_list<std::pair<std::uint32_t, int>> fields) {
  for (const auto& [value, bytes] : fields)
    for (int i = 0; i < bytes; ++i)
      s.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

inline std::string rawZip(const std::vector<RawEntry>& entries) {
  std::string out, directory;
  for (const RawEntry& e : entries) {
    const auto offset = static_cast<std::uint32_t>(out.size());
    const auto stored = static_cast<std::uint32_t>(e.data.size());
    const auto nameLength = static_cast<std::uint32_t>(e.name.size());
    const auto header = [&](std::string& s, bool central) {
      put(s, {{central ? 0x02014b50 : 0x04034b50, 4}});
      if (central) put(s, {{20, 2}});
      put(s, {{20, 2}, {0, 2}, {e.deflated ? 8 : 0, 2}, {0, 2}, {0x21, 2}, {e.crc, 4}});
      put(s, {{stored, 4}, {e.size, 4}, {nameLength, 2}, {0, 2}});
      if (central) put(s, {{0, 2}, {0, 2}, {0, 2}, {0, 4}, {offset, 4}});
      s += e.name;
    };
    header(out, false);
    out += e.data;
    header(directory, true);
  }
  const auto count = static_cast<std::uint32_t>(entries.size());
  const auto directoryOffset = static_cast<std::uint32_t>(out.size());
  const auto directorySize = static_cast<std::uint32_t>(directory.size());
  out += directory;
  put(out, {{0x06054b50, 4}, {0, 2}, {0, 2}, {count, 2}, {count, 2}});
  put(out, {{directorySize, 4}, {directoryOffset, 4}, {0, 2}});
  return out;
}

inline std::uint32_t crcOf(const std::string& bytes) {
  return static_cast<std::uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

inline RawEntry storedEntry(const std::string& name, const std::string& bytes) {
  return {name, bytes, false, crcOf(bytes), static_cast<std::uint32_t>(bytes.size())};
}

// An entry that inflates to `blocks` MiB of 'a' from about a kilobyte per
// MiB: one MiB deflated with a full flush gives the same bytes every time.
inline RawEntry inflatingEntry(std::string name, std::uint32_t blocks) {
  const std::string block(1u << 20, 'a');
  z_stream z{};
  deflateInit2(&z, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY);
  const auto deflated = [&z](const std::string& in, int flush) {
    std::string out(deflateBound(&z, in.size()) + 64, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
    z.avail_in = static_cast<uInt>(in.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, flush);
    out.resize(out.size() - z.avail_out);
    return out;
  };
  const std::string chunk = deflated(block, Z_FULL_FLUSH), tail = deflated("", Z_FINISH);
  deflateEnd(&z);
  RawEntry e{std::move(name), "", true, 0, blocks * static_cast<std::uint32_t>(block.size())};
  const uLong blockCrc = crcOf(block);
  uLong crc = 0;
  for (std::uint32_t i = 0; i < blocks; ++i) {
    e.data += chunk;
    crc = crc32_combine(crc, blockCrc, static_cast<z_off_t>(block.size()));
  }
  e.data += tail;
  e.crc = static_cast<std::uint32_t>(crc);
  return e;
}

inline constexpr const char* WordNamespaces =
    R"(xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main" )"
    R"(xmlns:mc="http://schemas.openxmlformats.org/markup-compatibility/2006" )"
    R"(xmlns:wp="http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing")";

inline std::string docxDocument(const std::string& body) {
  return std::string("<w:document ") + WordNamespaces + "><w:body>" + body +
         "</w:body></w:document>";
}

inline std::string docxStyles(const std::string& styles) {
  return std::string("<w:styles ") + WordNamespaces + ">" + styles + "</w:styles>";
}

inline std::vector<ZipEntry> docxEntries(const std::string& body, const std::string& styles = "") {
  return {
      {"[Content_Types].xml", "<Types/>"},
      {"_rels/.rels",
       R"(<Relationships><Relationship Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/></Relationships>)"},
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

inline std::string odt(const std::string& body, const std::string& automaticStyles = "",
                       const std::string& styles = "") {
  const std::string ns = OdfNamespaces;
  return zipBytes({{"mimetype", "application/vnd.oasis.opendocument.text"},
                   {"content.xml",
                    "<office:document-content " + ns + "><office:automatic-styles>" +
                        automaticStyles + "</office:automatic-styles><office:body><office:text>" +
                        body + "</office:text></office:body></office:document-content>"},
                   {"styles.xml", "<office:document-styles " + ns + "><office:styles>" + styles +
                                      "</office:styles></office:document-styles>"}});
}

struct PdfLine {
  double x, y;
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
