// Opening a document file named on the command line (or by the timeline):
// the file is read directly by the document readers and handed over as if it
// had been captured from the application of its type (a plain-text editor for
// .txt, .text, .md and .log, the word processor for .doc, .docx and .odt, the
// PDF viewer for .pdf), under its absolute path, so that its reading position
// is saved and restored like that of any other file, and the reader is
// prepared to start. The file is read whole before anything changes: a
// missing, unreadable, damaged or unsupported file leaves the document in the
// reader as it was and gives a message for the user.
#pragma once

#include <string>

#include "acquisition/hand_over.h"

namespace acquisition {

inline constexpr const char* UnsupportedFileMessage =
    "Only .txt,.doc and pdf files are supported by this Lumetra version!";

struct OpenOutcome {
  bool opened = false;
  // The message for the user; empty when the file was read without trouble.
  std::string problem;
};

OpenOutcome openDocumentFile(HandOver& h, const std::string& path);

// The absolute form of `path` (relative to the working folder), or the path
// as given when the working folder cannot be determined.
std::string absoluteDocumentPath(const std::string& path);

} // namespace acquisition
