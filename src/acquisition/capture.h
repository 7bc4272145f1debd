// Capture from the window of another application: the document shown there is
// named, read and handed over to the reader.
//
// The application is recognised by the table of compatible applications and
// named by its kind ("notepad", "wordpad", "winword", "msimn", "iexplore",
// "acrord32"). Editors, word processors and PDF viewers give the file behind
// their window: the title names it (the application's name, modification marks
// and a folder part taken off; a title that holds an existing absolute path,
// or a folder part that leads to the file, gives it at once), else it is the
// first entry of the desktop's recently-used list whose file name begins with
// that name and, for an editor, whose trimmed text is within 5 characters of
// the editor's text (or is empty). A saved editor file and every document file
// are read from disk; an editor or word processor without a file gives its
// text through the keys and the clipboard and is the "Lumetra Special
// Document". Mail and web pages are copied from the window (the page's HTML
// becomes text) and named after the window. A PDF viewer without a file
// gives "The document is empty".
//
// An editor's text is read through the accessibility interface where the
// editor offers it, else copied with keys. Keys are sent only to the window
// itself, once it is in front, never to a
// terminal, and after the modifiers the user still holds are released. Every
// capture that uses the clipboard puts back all that the clipboard held, and
// waits at most 2 s for the application's copy.
//
// The steps around the capture (the cursor, QuickLaunch's timers, showing the
// reader) belong to the caller.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "acquisition/hand_over.h"
#include "platform/desktop.h"

namespace acquisition {

inline constexpr const char* UnsupportedWindowMessage =
    "The window in front does not belong to an application Lumetra can read from.";

// What a capture needs beside the hand-over. One is made with the desktop and
// kept for the program's life; the extractions refer to it.
struct CaptureContext {
  platform::Desktop& desktop;
  // The recently-used files, in the list's order.
  std::function<std::vector<std::string>()> recentFiles;
  // The longest wait for an application's copy.
  int copyWaitMs = platform::CopyWaitMs;
  // An editor's text through the desktop's accessibility interface, given the
  // editor's process; nothing when it cannot be had. Asked before any key is
  // sent; without it (or without an answer) the keys and the clipboard give
  // the text.
  std::function<std::optional<std::string>(int processId)> accessibleText;

  // The text an editor gave while its file was looked for, kept for the
  // extraction when no file was found, so that the keys are sent once.
  struct CopiedText {
    WindowHandle window = 0;
    std::string text;
  };
  std::optional<CopiedText> copied;
};

// The parts of a window title that name a document: the file name (or path)
// and the folder the title shows it in, both code page 1252 as the title.
struct TitleParts {
  std::string name;
  std::string folder;
  bool operator==(const TitleParts&) const = default;
};

// "*notes.txt (~/letters) - Mousepad" gives "notes.txt" in "~/letters": the
// part after the last " - ", " \x96 " or " \x97 " (the application's name) goes,
// then leading and trailing "*" marks and a "[modified]" mark, then a
// parenthesised folder at the end.
TitleParts documentTitleParts(std::string_view title);

// The 5-character rule: the trimmed file text (as program text) and the
// trimmed captured text differ in length by at most 5, or the file is blank.
bool fileMatchesCapturedText(std::string_view fileText, std::string_view capturedText);

// Names the document of `window` (0: TrackedWindow) by its application, hands
// it over through captureDocument with `h`'s extractions (which should hold
// captureExtractions of the same context), sets SourceWindow and restores the
// reading position. A window of no compatible application changes nothing and
// gives UnsupportedWindowMessage as the problem.
CaptureOutcome captureFromWindow(HandOver& h, CaptureContext& c, platform::WindowId window);

// The extractions of the captures above, keyed by SourceApplication, to be
// merged over standardExtractions. The plain-text one also reads the text files
// the program opens. They refer to `c`, which must outlive them.
ExtractionTable captureExtractions(CaptureContext& c);

// `table` with captureExtractions(c) put over it.
void addCaptureExtractions(ExtractionTable& table, CaptureContext& c);

} // namespace acquisition
