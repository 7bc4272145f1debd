// Opening a plain text file named on the command line (or by the timeline):
// the file is handed over as a document read from a known file by a plain-text
// editor, under its absolute path, so that its reading position is saved and
// restored like that of any other file, and the reader is prepared to start.
// A missing, unreadable or non-text file, or one whose extension belongs to
// another application, changes nothing and gives a message for the user.
#pragma once

#include <string>

#include "acquisition/hand_over.h"

namespace acquisition {

inline constexpr const char* NotPlainTextMessage =
    "This file cannot be read as a plain text file : ";

struct OpenOutcome {
  bool opened = false;
  // The message for the user; empty when the file was read without trouble.
  std::string problem;
};

OpenOutcome openTextFile(HandOver& h, const std::string& path);

// The absolute form of `path` (relative to the working folder), or the path
// as given when the working folder cannot be determined.
std::string absoluteDocumentPath(const std::string& path);

} // namespace acquisition
