// The readers the document module gives (see document_packages.h): a zipped
// Word or OpenDocument text, and a PDF. Every failure is in the problem of
// the result, never thrown.
#pragma once

#include <string>

#include "acquisition/document_reader.h"

namespace acquisition {

DocumentRead readPackageFile(const std::string& path, const DocumentLimits& limits);
DocumentRead readPdfDocument(const std::string& path, const DocumentLimits& limits);

} // namespace acquisition
