#include "shell/qt/reader_session.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

#include "acquisition/open_document_file.h"
#include "acquisition/source_window_wait.h"
#include "dialogs/autorun.h"
#include "dialogs/qt/adp_mru.h"
#include "dialogs/qt/tfrm_options.h"
#include "dialogs/recent_files_store.h"
#include "dialogs/settings_file_store.h"
#include "engine/text_helpers.h"
#include "platform/accessible_text.h"
#include "platform/files.h"
#include "shell/program_files.h"
#include "shell/qt/reader_assembly.h"
#include "shell/settings_location.h"
#include "shell/timeline.h"

namespace shell {

namespace {

// A settings file that went missing is laid anew from the factory file, so
// that reading positions can be kept from now on.
void seedSettingsFile(const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::exists(path, error)) return;
  try {
    platform::writeFileAtomic(path, factorySettingsText());
  } catch (const platform::FileError&) {
    // Opening the file reports the problem.
  }
}

platform::Rect screenRect() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  const QRect g = screen->geometry();
  return {g.x(), g.y(), g.width(), g.height()};
}

// Writes every frame the reader shows to the event log, so that the running
// program can be watched from outside.
class FrameEvents : public reader::ReadingObserver {
public:
  FrameEvents(EventLog& log, const engine::EngineState& es) : log_(log), es_(es) {}

  void frameShown(std::int32_t words, int interval) override {
    if (!log_.enabled()) return;
    std::string lines;
    for (int i = 0; i < es_.LinesInFrame && i < engine::MaxFrameLines; ++i) {
      std::string line;
      for (char c : es_.FrameLines[i])
        if (c != '\r' && c != '\t') line += c;
      line = engine::trim(line);
      if (line.empty()) continue;
      lines += (lines.empty() ? "" : ",") + jsonString(line);
    }
    log_.write("frame", ",\"start\":" + std::to_string(es_.FrameStartPosition) +
                            ",\"end\":" + std::to_string(es_.CurrentPosition) + ",\"lines\":[" +
                            lines + "],\"words\":" + std::to_string(words) +
                            ",\"interval\":" + std::to_string(interval));
  }
  void pauseStarted(int) override {}
  void documentEnded() override { log_.write("end"); }

private:
  EventLog& log_;
  const engine::EngineState& es_;
};

} // namespace

ReaderSession::ReaderSession(platform::Desktop& desktop, platform::MessageBoxes& messages,
                             EventLog& log, acquisition::AcquisitionState& acquisition)
    : desktop_(desktop), messages_(messages), log_(log),
      settingsFile_(settingsFilePath(), settings_, messages), acquisition_(acquisition),
      textEngine_(std::make_unique<engine::TextEngine>(engineState_, settings_, measure_,
                                                       engine::EngineCallbacks{})),
      handOver_{*textEngine_, acquisition_, readingState_,
                {},           {},           acquisition::standardExtractions()},
      capture_{desktop, [this] { return recentlyUsed_.localFiles(); }, platform::CopyWaitMs,
               platform::accessibleDocumentText, std::nullopt},
      sourceWatch_(desktop, timers_, [this](platform::WindowId w) { sourceWindowCame(w); }) {
  acquisition::addCaptureExtractions(handOver_.extractions, capture_);
  seedSettingsFile(settingsFilePath());
  settingsLoaded_ = settingsFile_.initXMLFILE() && settingsFile_.loadAllSettings();
  engineState_.WordCounter = settings_.TotalNumberOfWordsReaded;
  textEngine_->callbacks().sourceKind = [this] { return acquisition_.DocumentSourceKind; };

  ReaderParts parts{*textEngine_, readingState_,      fadeState_,
                    timers_,      desktop.workArea(), screenRect()};
  // The hand-over remembers the frame start, which is the position the
  // reader passes, and never remembers captured documents.
  parts.place.savePosition = [this](std::int32_t) { acquisition::saveReadingPosition(handOver_); };
  parts.openDocument = [this](const std::string& path) { openFile(path); };
  parts.programFolder = programFilesFolder(QCoreApplication::applicationDirPath().toStdString());
  parts.dataHome =
      QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
  parts.showOptions = [this](const std::string& page) {
    // The options dialog writes what it changes through the settings file.
    dialogs::SettingsFileStore store(settingsFile_);
    dialogs::Autorun autorun = dialogs::currentAutorun();
    dialogs::showOptions(settings_, store, autorun, page, nullptr);
  };
  parts.onClose = [this] { saveOnClose(); };
  parts.desktop = &desktop;
  // QuickLaunch's placement timer takes its button away by itself while the
  // reader is shown over the window the button was on: no hook for it here.
  parts.acquisition = &acquisition_;
  parts.recentFilesStore = dialogs::currentRecentFilesStore();
  reader_ = std::make_unique<ReaderAssembly>(parts);
  // The reader's recent-files submenu shows every document handed over.
  if (dialogs::TadpMRU* recent = reader_->recentFiles()) addRecentFilesList(recent->list());
  frameEvents_ = std::make_unique<FrameEvents>(log_, engineState_);
  reader_->form().setObserver(frameEvents_.get());
}

ReaderSession::~ReaderSession() {
  reader_->form().setObserver(nullptr);
  reader_.reset();
}

void ReaderSession::addRecentFilesList(acquisition::RecentFilesList& list) {
  handOver_.recentFiles.push_back(&list);
}

bool ReaderSession::openFile(const std::string& path) {
  sourceWatch_.stop();
  const acquisition::OpenOutcome outcome = acquisition::openDocumentFile(handOver_, path);
  if (!outcome.problem.empty()) messages_.error(outcome.problem);
  if (!outcome.opened) return false;
  log_.capture(acquisition_.CurrentDocument, static_cast<int>(acquisition_.SourceKind),
               engineState_.TextLength);
  // Plain-text files go on the desktop's recently-used list, where the
  // capture from an editor looks for the file behind its window.
  if (engine::lowerCase(std::filesystem::path(path).extension().string()) == ".txt")
    recentlyUsed_.add(acquisition::absoluteDocumentPath(path), "text/plain");
  if (openThroughApplications_ && desktop_.available()) attachApplicationWindow(path);
  return true;
}

bool ReaderSession::captureWindow(platform::WindowId window) {
  // The document on screen is left first, so that its position is saved.
  const bool readerWasVisible = readerVisible();
  if (readerWasVisible) closeReader();
  sourceWatch_.stop();
  const acquisition::CaptureOutcome outcome =
      acquisition::captureFromWindow(handOver_, capture_, window);
  if (!outcome.problem.empty()) messages_.error(outcome.problem);
  if (!outcome.handedOver) {
    if (readerWasVisible) showReader();
    return false;
  }
  log_.capture(acquisition_.CurrentDocument, static_cast<int>(acquisition_.SourceKind),
               engineState_.TextLength);
  acquisition::prepareReaderStart(handOver_);
  showReader();
  return true;
}

void ReaderSession::attachApplicationWindow(const std::string& path) {
  // The desktop's opener runs the application of the file's type; the file
  // name reaches it as one argument, whatever it holds.
  if (QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path))))
    sourceWatch_.watch(path, acquisition_.SourceApplication);
}

void ReaderSession::sourceWindowCame(platform::WindowId window) {
  acquisition_.SourceWindow = window;
  acquisition_.SavedSourceWindow = window;
  log_.write("source-window", ",\"window\":" + std::to_string(window));
}

void ReaderSession::showReader() {
  if (readerVisible()) closeReader();
  reader_->show();
}

void ReaderSession::closeReader() {
  reader_->close();
}

bool ReaderSession::readerVisible() const {
  return reader_->widget().isVisible();
}

void ReaderSession::saveOnClose() {
  acquisition::saveReadingPosition(handOver_);
  acquisition_.ReaderShown = false;
  settings_.TotalNumberOfWordsReaded = engineState_.WordCounter;
  if (settingsLoaded_) reader_->form().withUserColours([this] { settingsFile_.saveSettings(); });
}

} // namespace shell
