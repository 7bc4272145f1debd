#include "acquisition/document_reader.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "acquisition/doc_reader.h"
#include "acquisition/document_names.h"
#include "acquisition/document_packages.h"
#include "acquisition/hand_over_text.h"
#include "acquisition/text_file.h"
#include "engine/text_engine.h"
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

// The module's reader, or the reason it cannot be loaded.
DocumentRead readThroughModule(
    const std::string& path, const DocumentLimits& limits,
    DocumentRead (*DocumentPackageReaders::*reader)(const std::string&, const DocumentLimits&)) {
  std::string problem;
  const DocumentPackageReaders* readers = documentPackageReaders(problem);
  if (!readers) {
    DocumentRead out;
    out.problem =
        platform::utf8ToCp1252("The document readers cannot be loaded (" + problem + ") : " + path);
    return out;
  }
  return (readers->*reader)(path, limits);
}

DocumentRead readBinaryWord(const std::string& path, const DocumentLimits& limits) {
  DocumentRead out;
  out.document = readDoc(path, limits);
  out.fontSizes = false;
  return out;
}

} // namespace

DocumentRead refusedDocument(const char* message, const std::string& path) {
  DocumentRead out;
  out.problem = message + platform::utf8ToCp1252(path);
  return out;
}

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
  if (!std::filesystem::is_regular_file(path, error))
    return refusedDocument(UnreadableFileMessage, path);
  try {
    switch (sniff(path)) {
    case Content::Zip:
      return readThroughModule(path, limits, &DocumentPackageReaders::readPackage);
    case Content::Pdf:
      return readThroughModule(path, limits, &DocumentPackageReaders::readPdf);
    case Content::Compound:
      return readBinaryWord(path, limits);
    case Content::Unknown:
      break;
    }
    if (isPdfName(path)) return readThroughModule(path, limits, &DocumentPackageReaders::readPdf);
    if (isDocumentFileName(path)) return refusedDocument(DamagedDocumentMessage, path);
    return refusedDocument(UnknownDocumentMessage, path);
  } catch (const DocumentError& e) {
    return refusedDocument(e.what(), path);
  } catch (const std::bad_alloc&) {
    return refusedDocument(LargeDocumentMessage, path);
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
  engine::putDocumentText(s, std::move(text.text));
  s.GraphicPositions = std::move(text.graphics);
  h.acquisition.SourceKind = read.kind;
  if (read.kind == engine::SourceKind::Word && read.fontSizes) {
    h.engine.callbacks().headingFontLarger = HeadingFontTest(*read.document);
  } else {
    h.engine.callbacks().headingFontLarger = nullptr;
  }
}

} // namespace acquisition
