// Reads the text of a PDF through poppler, page by page in order, in reading
// order (poppler's layout that is neither raw nor physical, so columns do not
// interleave and a word hyphenated at a line end is joined again), into the
// word-processor form of word_text.h: each line ends with a line break, an
// empty line ends a paragraph, and pages are separated by a page break.
// Characters that code page 1252 lacks are first folded to their compatible
// forms (the ligature "fi" becomes "f" and "i"); what is still missing
// becomes '?'. A PDF that is encrypted, damaged or not a PDF gives nothing.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "acquisition/document_error.h"
#include "acquisition/word_text.h"

namespace acquisition {

// Nothing when the PDF cannot be read; throws DocumentError when its text
// exceeds the limit.
std::optional<WordDocument> readPdfFile(const std::string& path, const DocumentLimits& limits = {});
std::optional<WordDocument> readPdfBytes(std::string_view bytes, const DocumentLimits& limits = {});

// UTF-8 text as code page 1252, compatible forms taken for characters the code
// page lacks.
std::string foldToCp1252(std::string_view utf8);

} // namespace acquisition
