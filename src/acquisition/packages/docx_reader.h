// Reads a Word document in the Office Open XML form (.docx, .docm, .dotx)
// into the word-processor form of word_text.h. The main text comes from the
// part the package names as its office document (word/document.xml when it
// names none), the font sizes from its styles part.
//
// Paragraphs end with CR (the paragraph that closes a section with a page
// break); a run gives its text, tabs, breaks (a page break as 12, any other as
// 11) and each drawing, picture or embedded object as one picture character;
// table cells and rows end with the cell mark. Of a field only the result is
// text, followed by the field end; the field code is not. Tracked deletions
// and moved-away text are left out, hidden runs too; of each alternate-content
// block only the first choice (or else the fallback) is read. A run's size is
// its own, else its character style's, else its paragraph style's (or the
// default paragraph style's), else the document default, else 10 points.
#pragma once

#include "acquisition/document_error.h"
#include "acquisition/packages/zip_archive.h"
#include "acquisition/word_text.h"

namespace acquisition {

// Throws DocumentError when the package has no main text or any part is
// damaged, encrypted, too large or nested too deeply.
WordDocument readDocx(const ZipArchive& archive, const DocumentLimits& limits = {});

// True when the archive holds a Word package.
bool isDocxPackage(const ZipArchive& archive);

} // namespace acquisition
