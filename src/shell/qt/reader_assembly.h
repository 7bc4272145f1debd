// The reader window, made and wired: the layout, page and window state, the
// layout-and-drawing half (ReaderWindow), the handlers (TForm1) and the Qt
// widget, each given the shared state the program made. The program and the
// widget tests build the reader here and nowhere else.
//
// Teardown is in a defined order: the widget stops sending events, TForm1
// stops its timers, ReaderWindow takes its controls off the widget, and the
// widget goes last.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "acquisition/acquisition_state.h"
#include "dialogs/qt/adp_mru.h"
#include "dialogs/recent_files_store.h"
#include "engine/engine_state.h"
#include "engine/settings_record.h"
#include "engine/text_engine.h"
#include "platform/canvas.h"
#include "platform/desktop.h"
#include "platform/timer.h"
#include "reader/qt/reader_widget.h"
#include "reader/reader_context.h"
#include "reader/reader_window.h"
#include "reader/tform1.h"

namespace shell {

struct ReaderParts {
  // The engine on the program's settings and engine state, which holds the
  // document to read.
  engine::TextEngine& textEngine;
  reader::ReadingState& reading;
  reader::FadeState& fade;
  platform::TimerFactory& timers;
  platform::Rect workArea; // the desktop work area
  platform::Rect screen;   // the whole screen, for full screen
  reader::DocumentPlace place = {};
  // Runs once when the window closes, by whatever way, after the handlers
  // have stopped and before any part of the window is taken down: the place
  // to save the position and the settings.
  std::function<void()> onClose = {};
  // Hands a file chosen in the reader to it, as `lumetra FILE` does; the
  // window is hidden meanwhile and shown again afterwards.
  std::function<void(const std::string& path)> openDocument = {};
  // The options dialog on a page, when the program offers it.
  std::function<void(const std::string& page)> showOptions = {};
  // The folder holding the program's files (help, library).
  std::filesystem::path programFolder = {};
  std::filesystem::path dataHome = {};
  // The desktop and the acquisition state the reader follows its source
  // window with (SourceWindow, ReaderShown). Without them the window has a
  // desktop whose windows cannot be seen and no source window of its own,
  // and it stays as it is whatever window is in front.
  platform::Desktop* desktop = nullptr;
  acquisition::AcquisitionState* acquisition = nullptr;
  // Hides the QuickLaunch window when the reader comes back over its source.
  std::function<void()> hideQuickLaunch = {};
  // Where the window's own copy of the recent-files list is loaded from when
  // it is made and saved to when it goes; without a store "&Recent Files"
  // stays empty (and disabled). A chosen entry moves to the top and opens
  // through openDocument.
  std::optional<dialogs::RecentFilesStore> recentFilesStore = std::nullopt;
};

class ReaderAssembly {
public:
  explicit ReaderAssembly(const ReaderParts& parts);
  ~ReaderAssembly();
  ReaderAssembly(const ReaderAssembly&) = delete;
  ReaderAssembly& operator=(const ReaderAssembly&) = delete;

  // Shows the window for the document in the engine state, in the stored
  // reading mode; the document starts as a new hand-over does (AutoStart
  // reads at once, else the first frame waits for Space).
  void show();
  // Closes the window as the user would: the close handler runs (once per show).
  void close();

  reader::TForm1& form() { return *form_; }
  reader::ReaderWindow& window() { return *window_; }
  reader::ReaderWidget& widget() { return *widget_; }
  // The window's recent-files list (nullptr without a store): the hand-over
  // adds every file it opens here too.
  dialogs::TadpMRU* recentFiles() { return recentFiles_.get(); }

  reader::WindowParts parts;

private:
  engine::SettingsRecord& settings_;
  engine::TextEngine& textEngine_;
  // Declared in the order they are made; destroyed the other way round.
  std::unique_ptr<reader::ReaderWidget> widget_;
  std::unique_ptr<reader::ReaderWindow> window_;
  std::unique_ptr<reader::TForm1> form_;
  std::unique_ptr<dialogs::TadpMRU> recentFiles_;
  // The close handler has run since the window was last shown.
  bool closed_ = false;
};

} // namespace shell
