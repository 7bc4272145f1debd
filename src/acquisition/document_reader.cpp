#include "acquisition/document_reader.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "acquisition/doc_reader.h"
#include "acquisition/document_names.h"
#include "acquisition/docx_reader.h"
#include "acquisition/hand_over_text.h"
#include "acquisition/odt_reader.h"
#include "acquisition/pdf_reader.h"
#include "acquisition/text_file.h"
#include "acquisition/zip_archive.h"
#include "platform/cp1252.h"

namespace acquisition {

namespace {

// A PDF's header may follow some bytes of other matter.
constexpr std::size_t PdfHeaderReach = 1024;

enum class Content { Unknown, Zip, Pdf, Compound };

Content sniff(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::array<char, PdfHeaderReach> head{};
  in.read(head.data(), head.size());
  const std::string_view bytes(head.data(), static_cast<std::size_t>(in.gcount()));
  if (bytes.starts_with("PK\x03\x04") || bytes.starts_with("PK\x05\x06")) return Content::Zip;
  if (isCompoundFile(bytes)) return Content::Compound;
  if (bytes.find("%PDF-") != std::string_view::npos) return Content::Pdf;
  return Content::Unknown;
}

bool isPdfName(std::string_view name) {
  return lowerExtension(name) == ".pdf";
}

DocumentRead refused(const char* message, const std::string& path) {
  DocumentRead out;
  out.problem = message + platform::utf8ToCp1252(path);
  return out;
}

DocumentRead readPackage(const std::string& path, const DocumentLimits& limits) {
  const ZipArchive archive = ZipArchive::openFile(path);
  DocumentRead out;
  if (isDocxPackage(archive)) {
    out.document = readDocx(archive, limits);
  } else if (isOdtPackage(archive)) {
    out.document = readOdt(archive, limits);
  } else {
    return refused(UnknownDocumentMessage, path);
  }
  return out;
}

DocumentRead readPdf(const std::string& path, const DocumentLimits& limits) {
  DocumentRead out;
  out.kind = engine::SourceKind::Pdf;
  out.document = readPdfFile(path, limits);
  if (!out.document) out.problem = EmptyDocumentText;
  return out;
}

DocumentRead readBinaryWord(const std::string& path, const DocumentLimits& limits) {
  DocumentRead out;
  out.document = readDoc(path, limits);
  out.fontSizes = false;
  return out;
}

} // namespace

bool isDocumentFileName(std::string_view name) {
  static constexpr std::string_view extensions[] = {".docx", ".docm", ".dotx", ".dotm",
                                                    ".odt",  ".ott",  ".pdf",  ".doc"};
  const std::string extension = lowerExtension(name);
  for (const std::string_view e : extensions)
    if (extension == e) return true;
  return false;
}

DocumentRead readDocument(const std::string& path, const DocumentLimits& limits) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    DocumentRead out;
    out.problem = MissingFileMessage;
    return out;
  }
  if (!std::filesystem::is_regular_file(path, error)) return refused(UnreadableFileMessage, path);
  try {
    switch (sniff(path)) {
    case Content::Zip:
      return readPackage(path, limits);
    case Content::Pdf:
      return readPdf(path, limits);
    case Content::Compound:
      return readBinaryWord(path, limits);
    case Content::Unknown:
      break;
    }
    if (isPdfName(path)) return readPdf(path, limits);
    if (isDocumentFileName(path)) return refused(DamagedDocumentMessage, path);
    return refused(UnknownDocumentMessage, path);
  } catch (const DocumentError& e) {
    return refused(e.what(), path);
  } catch (const std::bad_alloc&) {
    return refused(LargeDocumentMessage, path);
  }
}

std::string extractDocumentFile(HandOver& h) {
  const DocumentRead read = readDocument(h.acquisition.CurrentDocument);
  if (!read.document) return read.problem;
  installDocument(h, read);
  return {};
}

void installDocument(HandOver& h, const DocumentRead& read) {
  WordText text = normaliseWordText(*read.document);
  engine::EngineState& s = h.engine.state();
  s.DocumentText = std::move(text.text);
  s.TextLength = static_cast<std::int32_t>(s.DocumentText.size());
  s.GraphicPositions = std::move(text.graphics);
  h.acquisition.SourceKind = read.kind;
  if (read.kind == engine::SourceKind::Word && read.fontSizes) {
    h.engine.callbacks().headingFontLarger = HeadingFontTest(*read.document);
  } else {
    h.engine.callbacks().headingFontLarger = nullptr;
  }
}

} // namespace acquisition
