// The one way into the document readers: given a file, the reader is chosen
// by what the file holds (a zip package of a Word or OpenDocument text, an old
// Word compound file, or a PDF), falling back to its extension, and the result is the document in
// the word-processor form of word_text.h or the message the user is to see. Capture from a word
// processor or PDF viewer and the opening of such a file both come here, so they read a document
// the same way.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "acquisition/document_error.h"
#include "acquisition/hand_over.h"
#include "acquisition/word_text.h"
#include "engine/engine_state.h"

namespace acquisition {

struct DocumentRead {
  // Set when the file was read.
  std::optional<WordDocument> document;
  // Word for a word-processor document, Pdf for a PDF.
  engine::SourceKind kind = engine::SourceKind::Word;
  // False when the reader knows no font sizes (an old Word file through a
  // converter), so that no heading font test can be made.
  bool fontSizes = true;
  // Otherwise why not: a message followed by the path, or, for a PDF that
  // cannot be read, "The document is empty".
  std::string problem;
};

DocumentRead readDocument(const std::string& path, const DocumentLimits& limits = {});

// A refusal: `message` (one of document_error.h) followed by the path.
DocumentRead refusedDocument(const char* message, const std::string& path);

// True for the extensions of the documents readDocument reads.
bool isDocumentFileName(std::string_view name);

// An extraction for the hand-over: reads CurrentDocument with readDocument.
// When it is read, DocumentText, TextLength and GraphicPositions hold the
// normalised text and its marks, SourceKind becomes Word or Pdf, and for a
// word-processor document the engine's heading font test asks the document
// (a PDF or an old Word file leaves the engine without one). Otherwise the engine's text is left
// as it was and the problem is returned.
std::string extractDocumentFile(HandOver& h);

// The second half of extractDocumentFile, for a document already read.
void installDocument(HandOver& h, const DocumentRead& read);

} // namespace acquisition
