// The readers of zipped documents (docx, odt) and of PDF need libzip and
// poppler, which take longer to load than all the rest of the lumetra
// command. They live in a module, lumetra-documents.so, that readDocument
// loads the first time a file needs it, from beside the running program or
// from ../lib/lumetra/ (the installed layout).
#pragma once

#include <string>

#include "acquisition/document_error.h"

namespace acquisition {

struct DocumentRead;

// What the module gives. Each reader answers every failure in the result's
// problem: nothing is thrown across the module's edge.
struct DocumentPackageReaders {
  DocumentRead (*readPackage)(const std::string& path, const DocumentLimits& limits);
  DocumentRead (*readPdf)(const std::string& path, const DocumentLimits& limits);
};

// The name of the function the module exports, which returns its readers.
inline constexpr const char* DocumentPackageEntry = "lumetraDocumentPackageReaders";
inline constexpr const char* DocumentModuleName = "lumetra-documents.so";

// The module's readers; null when it cannot be loaded, with why in `problem`.
const DocumentPackageReaders* documentPackageReaders(std::string& problem);

} // namespace acquisition
