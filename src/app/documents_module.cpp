// The module lumetra-documents.so: the readers that need libzip and poppler,
// loaded by the programs only when a document needs them.
#include "acquisition/document_packages.h"
#include "acquisition/packages/package_readers.h"

extern "C" __attribute__((visibility("default"))) const acquisition::DocumentPackageReaders*
lumetraDocumentPackageReaders() {
  static constexpr acquisition::DocumentPackageReaders readers{&acquisition::readPackageFile,
                                                               &acquisition::readPdfDocument};
  return &readers;
}
