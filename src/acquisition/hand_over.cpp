#include "acquisition/hand_over.h"

#include <utility>

#include "acquisition/document_names.h"
#include "acquisition/hand_over_text.h"
#include "acquisition/text_file.h"

namespace acquisition {

namespace {

// The engine holds the empty text while the new source is read, with the
// reading position back at the start.
void resetEngine(HandOver& h, const std::string& name) {
  engine::EngineState& s = h.engine.state();
  s.GraphicPositions.clear();
  engine::putDocumentText(s, std::string(EmptyDocumentText));
  if (engine::isBannerMode(h.engine.settings().ReadingMode)) {
    s.CurrentPosition = 1;
    s.LineStartPosition = 1;
    s.NewParagraphPending = false;
  } else {
    if (h.reader.clearPageAtEnd) h.reader.clearPageAtEnd();
    s.CurrentPosition = 1;
    s.FrameStartPosition = 1;
  }
  s.DocumentName = name;
}

std::string runExtraction(HandOver& h) {
  const auto it = h.extractions.find(h.acquisition.SourceApplication);
  if (it == h.extractions.end() || !it->second) return {};
  return it->second(h);
}

void finishCapture(HandOver& h) {
  engine::EngineState& s = h.engine.state();
  engine::putDocumentText(s, finishDocumentText(std::move(s.DocumentText)));
  s.DocumentName = h.acquisition.CurrentDocument;
  h.acquisition.DocumentSourceApplication = h.acquisition.SourceApplication;
  h.acquisition.DocumentSourceKind = h.acquisition.SourceKind;
  s.DocumentLength = static_cast<std::uint32_t>(s.TextLength);
  restoreReadingPosition(h);
}

// Notepad and WordPad: a known file is read from disk; the text of a window
// whose file was not found comes from the clipboard, which is not read here.
std::string extractEditorDocument(HandOver& h) {
  const std::string& path = h.acquisition.CurrentDocument;
  if (path == SpecialDocumentName) return {};
  if (h.openedFile && h.openedFile->path == path) {
    std::string text = std::move(h.openedFile->text);
    h.openedFile.reset();
    engine::putDocumentText(h.engine.state(), std::move(text));
    return {};
  }
  TextFileResult file = loadTextFile(path);
  if (!file.problem.empty()) return file.problem;
  engine::putDocumentText(h.engine.state(), std::move(file.text));
  return {};
}

} // namespace

ExtractionTable standardExtractions() {
  ExtractionTable table;
  table[NotepadApp] = extractEditorDocument;
  table[WordpadApp] = extractEditorDocument;
  return table;
}

CaptureOutcome captureDocument(HandOver& h, const std::string& name) {
  h.acquisition.SourceWindow = CaptureRunningWindow;
  if (!sourceMatchesFile(name, h.acquisition.SourceApplication)) return {};
  saveReadingPosition(h);
  addToRecentFiles(h, name);
  resetEngine(h, name);
  CaptureOutcome outcome{true, runExtraction(h)};
  finishCapture(h);
  return outcome;
}

void saveReadingPosition(HandOver& h) {
  const engine::EngineState& s = h.engine.state();
  const AcquisitionState& a = h.acquisition;
  if (s.DocumentName.empty() ||
      isCapturedDocument(a.DocumentSourceApplication, a.DocumentSourceKind, s.DocumentName)) {
    return;
  }
  engine::rememberReadingPosition(h.engine.settings().LoadedDocuments, s.DocumentName,
                                  s.FrameStartPosition < 1 ? 0 : s.FrameStartPosition);
}

void restoreReadingPosition(HandOver& h) {
  const std::int32_t position = h.engine.restoreSavedPosition(h.engine.settings().LoadedDocuments);
  if (h.reader.setDrawingPosition) h.reader.setDrawingPosition(position);
}

void addToRecentFiles(HandOver& h, const std::string& name) {
  if (isCapturedDocument(h.acquisition, name)) return;
  for (RecentFilesList* list : h.recentFiles) {
    if (list) list->add(name);
  }
}

void prepareReaderStart(HandOver& h) {
  h.acquisition.TrackedWindow = NoTrackedWindow;
  h.acquisition.ReaderShown = true;
  const engine::SettingsRecord& settings = h.engine.settings();
  if (!engine::isBannerMode(settings.ReadingMode)) return;
  if (settings.AutoStart) {
    h.reading.startPending = false;
    h.reading.readerState = reader::ReaderStateKind::Starting;
  } else {
    h.reading.readerState = reader::ReaderStateKind::Ended;
    h.reading.startPending = true;
    restoreReadingPosition(h);
  }
}

} // namespace acquisition
