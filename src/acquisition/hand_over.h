// The hand-over: the one path by which every document reaches the engine and
// the reader, whatever its source. captureDocument saves the position of the
// document being left, remembers the new one in the recent-files lists, resets
// the engine to "The document is empty", runs the extraction registered for
// the source application, cleans the text up, and restores the new document's
// saved position. When the file's extension does not fit the source
// application nothing at all happens and the engine keeps its document.
//
// Captured documents (messages, web pages, unsaved editor windows) are never
// remembered: they get no saved position and no recent-files entry.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "acquisition/acquisition_state.h"
#include "acquisition/recent_files.h"
#include "engine/text_engine.h"
#include "reader/reading_state.h"

namespace acquisition {

struct HandOver;

// A source-specific extraction: replaces DocumentText and TextLength when it
// obtains text and leaves them otherwise. Returns a message for the user when
// the source could not be read, or an empty string.
using Extraction = std::function<std::string(HandOver&)>;
using ExtractionTable = std::map<std::string, Extraction, std::less<>>;

// The reader-window steps of a hand-over. Absent hooks are skipped.
struct ReaderHooks {
  // Column modes: the page model forgets that it reached the end.
  std::function<void()> clearPageAtEnd;
  // The reader draws from the restored position.
  std::function<void(std::int32_t position)> setDrawingPosition;
};

// A text file that openDocumentFile has already read and checked: the editor
// extraction takes its text instead of reading and decoding the file again.
struct OpenedTextFile {
  std::string path;
  std::string text;
};

struct HandOver {
  engine::TextEngine& engine;
  AcquisitionState& acquisition;
  reader::ReadingState& reading;
  // Every recent-files list that shows opened files (the reader's, QuickLaunch's).
  std::vector<RecentFilesList*> recentFiles;
  ReaderHooks reader;
  // Keyed by SourceApplication; a source without an entry yields no text.
  ExtractionTable extractions;
  // Set by openDocumentFile for the hand-over of the file it has read.
  std::shared_ptr<OpenedTextFile> openedFile = nullptr;
};

// The extractions this unit provides: Notepad and WordPad documents read from
// their file on disk.
ExtractionTable standardExtractions();

struct CaptureOutcome {
  // False when the source check refused the document and nothing changed.
  bool handedOver = false;
  // Why no text could be obtained, for the caller to show; empty when fine.
  std::string problem;
};

// The whole capture of the document `name` (callers set CurrentDocument to
// the same name first).
CaptureOutcome captureDocument(HandOver& h, const std::string& name);

// Stores FrameStartPosition (0 when below 1) as the position of DocumentName,
// unless the name is empty or names a captured document. Whether it is a
// capture is judged by the source the document came from, so that leaving a
// mail message for a file never remembers the message.
void saveReadingPosition(HandOver& h);

// Looks the engine's DocumentName up among the saved positions and moves the
// reading position to the start of the word there (1 when none is saved or it
// lies at or past the end); FrameStartPosition becomes 1. The hand-over names
// the engine's document after CurrentDocument, so this is the position of the
// document being read.
void restoreReadingPosition(HandOver& h);

// Adds `name` to every recent-files list unless it names a captured document.
void addToRecentFiles(HandOver& h, const std::string& name);

// Marks the reader as shown for the new document and, in the Banner and
// Sentence modes, prepares its start: with AutoStart the reader starts reading
// as soon as it is in front; without, it shows the first frame at the saved
// position and waits for the user.
void prepareReaderStart(HandOver& h);

} // namespace acquisition
