#include "acquisition/packages/package_readers.h"

#include <new>

#include "acquisition/document_names.h"
#include "acquisition/hand_over_text.h"
#include "acquisition/packages/docx_reader.h"
#include "acquisition/packages/odt_reader.h"
#include "acquisition/packages/pdf_reader.h"
#include "acquisition/packages/zip_archive.h"

namespace acquisition {
namespace {

template <class Read> DocumentRead guarded(const std::string& path, Read read) {
  try {
    return read();
  } catch (const DocumentError& e) {
    return refusedDocument(e.what(), path);
  } catch (const std::bad_alloc&) {
    return refusedDocument(LargeDocumentMessage, path);
  }
}

} // namespace

DocumentRead readPackageFile(const std::string& path, const DocumentLimits& limits) {
  return guarded(path, [&] {
    const ZipArchive archive = ZipArchive::openFile(path);
    DocumentRead out;
    if (isDocxPackage(archive)) {
      out.document = readDocx(archive, limits);
    } else if (isOdtPackage(archive)) {
      out.document = readOdt(archive, limits);
    } else {
      return refusedDocument(UnknownDocumentMessage, path);
    }
    return out;
  });
}

DocumentRead readPdfDocument(const std::string& path, const DocumentLimits& limits) {
  return guarded(path, [&] {
    DocumentRead out;
    out.kind = engine::SourceKind::Pdf;
    out.document = readPdfFile(path, limits);
    if (!out.document) out.problem = EmptyDocumentText;
    return out;
  });
}

} // namespace acquisition
