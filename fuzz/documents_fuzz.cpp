// Feeds arbitrary bytes to the document readers: as a Word or OpenDocument
// package (a zip archive) and as a PDF. A reader may refuse the bytes with a
// DocumentError, but never crash, hang, allocate without bound or read out of
// bounds, and what it gives keeps its contract: every table lies inside the
// text, in order.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "acquisition/document_error.h"
#include "acquisition/packages/docx_reader.h"
#include "acquisition/packages/odt_reader.h"
#include "acquisition/packages/pdf_reader.h"
#include "acquisition/packages/zip_archive.h"

namespace {

void check(const acquisition::WordDocument& document) {
  std::int64_t previousEnd = 0;
  for (const acquisition::TextSpan& table : document.tables) {
    if (table.start < previousEnd || table.length < 0 ||
        table.start + static_cast<std::int64_t>(table.length) >
            static_cast<std::int64_t>(document.text.size()))
      std::abort();
    previousEnd = table.start + table.length;
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // Small limits, so that a hostile input shows its cost at once.
  acquisition::DocumentLimits limits;
  limits.maxEntryBytes = 4u << 20;
  limits.maxTextBytes = 4u << 20;
  limits.maxDepth = 64;
  try {
    const acquisition::ZipArchive archive = acquisition::ZipArchive::openBytes(bytes);
    if (acquisition::isDocxPackage(archive)) check(acquisition::readDocx(archive, limits));
    if (acquisition::isOdtPackage(archive)) check(acquisition::readOdt(archive, limits));
  } catch (const acquisition::DocumentError&) {
    // Refused: what a damaged package is to give.
  }
  try {
    if (const auto pdf = acquisition::readPdfBytes(bytes, limits)) check(*pdf);
  } catch (const acquisition::DocumentError&) {
  }
  return 0;
}
