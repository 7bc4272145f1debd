// Reads an OpenDocument text (.odt, .ott) into the word-processor form of
// word_text.h, from its content.xml, with the font sizes of content.xml's
// automatic styles and of styles.xml.
//
// Paragraphs and headings end with CR, and a paragraph style that breaks the
// page before or after adds a page break there; list items, sections and
// index bodies give their paragraphs. Inside a paragraph, runs of white space
// count as one space (none at the start), text:s gives its spaces, text:tab a
// tab, text:line-break a line break, every frame holding an image or object a
// picture character, and a field its shown value followed by the field end.
// Tables give their cells (covered cells of merged ones give nothing), each
// cell and row ending with the cell mark. Tracked changes (the deleted text
// they keep), notes, annotations, forms and text boxes are left out. A run's
// size is its text style's, else its paragraph style's through the parents,
// else the default paragraph style's, else 12 points; percentages are taken
// of the size they inherit.
#pragma once

#include "acquisition/document_error.h"
#include "acquisition/packages/zip_archive.h"
#include "acquisition/word_text.h"

namespace acquisition {

// Throws DocumentError.
WordDocument readOdt(const ZipArchive& archive, const DocumentLimits& limits = {});

// True when the archive holds an OpenDocument text.
bool isOdtPackage(const ZipArchive& archive);

} // namespace acquisition
