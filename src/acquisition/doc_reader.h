// Reads an old Word document (.doc, Word 6 to 2003) through antiword, or
// catdoc when antiword refuses it, each run as a child process with a time
// limit and the path as one argument. The converters give plain UTF-8 text,
// one line per paragraph; each becomes a paragraph of the word-processor form
// (without font sizes, so no heading font test can be made from it).
#pragma once

#include <string>

#include "acquisition/child_process.h"
#include "acquisition/document_error.h"
#include "acquisition/word_text.h"

namespace acquisition {

// True when the bytes begin with the signature of a compound file, the
// container of every Word 6 to 2003 document.
bool isCompoundFile(std::string_view head);

// Throws DocumentError (damaged) when neither converter reads the file.
WordDocument readDoc(const std::string& path, const DocumentLimits& limits = {},
                     const ChildLimits& childLimits = {});

} // namespace acquisition
