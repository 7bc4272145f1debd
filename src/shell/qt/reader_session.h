// The reader as the running program holds it: the settings read from the
// settings file, the engine with its state, the acquisition state, the
// hand-over and the reader window, each made once. `lumetra FILE` shows it
// for one file and ends when the window closes; QuickLaunch keeps it hidden
// and shows it for every document it is given, a file or a capture.
//
// Closing the window, by whatever way, remembers the reading position and
// saves the settings (when they were read whole: a settings file that failed
// to load is left as it is rather than overwritten with defaults).
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "acquisition/acquisition_state.h"
#include "acquisition/capture.h"
#include "acquisition/hand_over.h"
#include "acquisition/recent_files.h"
#include "acquisition/source_window_wait.h"
#include "engine/engine_state.h"
#include "engine/settings_record.h"
#include "engine/text_engine.h"
#include "platform/desktop.h"
#include "platform/message_boxes.h"
#include "platform/qt/qt_text_measure.h"
#include "platform/qt/qt_timer.h"
#include "platform/recently_used.h"
#include "reader/fade_state.h"
#include "reader/reader_view.h"
#include "reader/reading_state.h"
#include "shell/event_log.h"
#include "shell/settings_file.h"

namespace shell {

class ReaderAssembly;

class ReaderSession {
public:
  // The arguments must outlive the session; `acquisition` is the program's
  // one acquisition state, shared with QuickLaunch.
  ReaderSession(platform::Desktop& desktop, platform::MessageBoxes& messages, EventLog& log,
                acquisition::AcquisitionState& acquisition);
  ~ReaderSession();
  ReaderSession(const ReaderSession&) = delete;
  ReaderSession& operator=(const ReaderSession&) = delete;

  engine::SettingsRecord& settings() { return settings_; }
  SettingsFile& settingsFile() { return settingsFile_; }
  bool settingsLoaded() const { return settingsLoaded_; }
  acquisition::AcquisitionState& acquisition() { return acquisition_; }
  acquisition::HandOver& handOver() { return handOver_; }
  // Every list of opened files the program shows besides the reader's own.
  void addRecentFilesList(acquisition::RecentFilesList& list);

  // Hands the file to the engine as `lumetra FILE` does; a file that cannot
  // be read is reported to the user and the engine keeps its document. With
  // openThroughApplications, the file is then opened in the application of
  // its type too, and when that application's window comes to the front in
  // time (the reader shows the document meanwhile) it becomes the reader's
  // source window, which the reader follows.
  bool openFile(const std::string& path);
  void setOpenThroughApplications(bool on) { openThroughApplications_ = on; }
  // Takes the document of another application's window and shows the reader
  // for it, over that window. A window whose document cannot be taken is
  // reported and leaves the reader as it was.
  bool captureWindow(platform::WindowId window);
  // Shows the reader for the document the engine holds, in front. A reader
  // already shown is closed first, so that the new document starts afresh.
  void showReader();
  // Closes the window as the user would (the position and settings are saved).
  void closeReader();
  bool readerVisible() const;

private:
  void saveOnClose();

  void attachApplicationWindow(const std::string& path);
  void sourceWindowCame(platform::WindowId window);

  platform::Desktop& desktop_;
  platform::MessageBoxes& messages_;
  EventLog& log_;
  engine::SettingsRecord settings_;
  SettingsFile settingsFile_;
  bool settingsLoaded_ = false;
  bool openThroughApplications_ = false;
  engine::EngineState engineState_;
  platform::QtTextMeasure measure_;
  acquisition::AcquisitionState& acquisition_;
  std::unique_ptr<engine::TextEngine> textEngine_;
  reader::ReadingState readingState_;
  reader::FadeState fadeState_;
  acquisition::HandOver handOver_;
  platform::RecentlyUsedList recentlyUsed_;
  acquisition::CaptureContext capture_;
  platform::QtTimerFactory timers_;
  acquisition::SourceWindowWatch sourceWatch_;
  std::unique_ptr<reader::ReadingObserver> frameEvents_;
  std::unique_ptr<ReaderAssembly> reader_;
};

} // namespace shell
