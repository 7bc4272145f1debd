#include "shell/qt/quick_launch_program.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

#include <iostream>

#include "acquisition/acquisition_state.h"
#include "dialogs/autorun.h"
#include "dialogs/qt/adp_mru.h"
#include "dialogs/qt/tfrm_options.h"
#include "dialogs/qt/tfrm_welcome1.h"
#include "dialogs/recent_files_store.h"
#include "dialogs/settings_file_store.h"
#include "engine/settings_record.h"
#include "platform/files.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_timer.h"
#include "platform/xcb/global_hot_key.h"
#include "platform/xcb/xcb_desktop.h"
#include "shell/instance_lock.h"
#include "shell/qt/instance_socket.h"
#include "shell/qt/quick_launch_window.h"
#include "shell/qt/termination.h"
#include "shell/settings_file.h"
#include "shell/settings_location.h"
#include "shell/timeline.h"

namespace shell {

namespace {

constexpr std::uint32_t SpaceKeysym = 0x20;
constexpr std::uint16_t ControlMask = 4;
// The placement timer's interval in the running program. Placement reacts
// within a frame of a move; a 1 ms timer would keep a core busy for nothing.
constexpr int PlacementIntervalMs = 15;

std::filesystem::path markerPath() {
  const std::filesystem::path program = programDirectory();
  return markerFilePath(program, isWritableFolder(program), settingsFilePath().parent_path());
}

// A missing settings file is laid anew from the factory file.
void seedSettingsFile(const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::exists(path, error)) return;
  try {
    platform::writeFileAtomic(path, factorySettingsText());
  } catch (const platform::FileError&) {
    // Opening the file reports the problem.
  }
}

void openHelpFile() {
  QDesktopServices::openUrl(QUrl::fromLocalFile(
      QString::fromStdString((programDirectory() / "Lumetra Help.chm").string())));
}

} // namespace

CaptureRequest loggedCaptureRequest(EventLog& log) {
  return [&log](platform::WindowId window, const std::string& how) {
    log.write("capture-request",
              ",\"window\":" + std::to_string(window) + ",\"by\":" + jsonString(how));
  };
}

bool handToRunningCopy(const std::string& requestLine) {
  return sendInstanceRequest(currentInstanceFolder() / InstanceSocketName, requestLine);
}

int runQuickLaunchProgram(int& argc, char** argv, const CommandLine& line) {
  // Before any window: one copy per session.
  std::unique_ptr<InstanceLock> lock;
  try {
    lock = InstanceLock::acquire(currentInstanceFolder() / InstanceLockName);
  } catch (const std::exception& error) {
    std::cerr << "lumetra: " << error.what() << "\n";
    return FileProblemStatus;
  }
  const std::filesystem::path marker = markerPath();
  if (!lock) {
    if (leaveMarker(marker)) return 0;
    std::cerr << "lumetra: " << marker.string() << ": cannot be made\n";
    return FileProblemStatus;
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName("Lumetra");
  QApplication::setQuitOnLastWindowClosed(false);
  // Asked to end by a signal or by the session: closed as by "Exit".
  TerminationRequests termination([] { QCoreApplication::quit(); });
  EventLog log(line.eventLog);
  platform::QtMessageBoxes messages;
  std::unique_ptr<platform::Desktop> desktop = platform::makeDesktop();
  platform::QtTimerFactory timers;
  acquisition::AcquisitionState acquisitionState;
  QuickLaunchState quickLaunchState;

  // Filled in once the settings and the handlers exist.
  std::function<void()> showOptionsDialog;
  std::function<void()> openFileToRead;
  QuickLaunchMenuActions actions;
  actions.options = [&showOptionsDialog] {
    if (showOptionsDialog) showOptionsDialog();
  };
  actions.help = openHelpFile;
  actions.exit = [] { QCoreApplication::quit(); };
  actions.openFile = [&openFileToRead] {
    if (openFileToRead) openFileToRead();
  };
  QuickLaunchWindow window(actions);
  dialogs::TadpMRU recentFiles(dialogs::currentRecentFilesStore());
  recentFiles.setParentMenuItem(&window.recentFilesMenu());
  recentFiles.OnClick = [&log](dialogs::TadpMRU& sender, const std::string& file) {
    sender.add(file);
    log.write("open-request", ",\"file\":" + jsonString(file) + ",\"by\":\"recent\"");
  };

  QuickLaunchHooks hooks;
  hooks.captureFromApplication = loggedCaptureRequest(log);
  hooks.recentFilesHaveEntry = [&recentFiles] { return !recentFiles.entries().empty(); };
  hooks.markerExists = [marker] { return markerExists(marker); };
  hooks.removeMarker = [marker] { removeMarker(marker); };
  hooks.buttonChanged = [&log](bool shown, platform::Rect rect) { log.quicklaunch(shown, rect); };
  hooks.balloonShown = [&log] { log.balloon(); };
  hooks.openHelp = openHelpFile;
  hooks.isReaderWindow = [&desktop, &window](platform::WindowId w) {
    return desktop->isOwnWindow(w) && w != window.windowId();
  };
  TfrmQuickLaunch quickLaunch(*desktop, timers, acquisitionState, quickLaunchState, window, hooks,
                              PlacementIntervalMs);
  window.setHandlers(&quickLaunch);
  desktop->ignoreAsForeground(window.windowId());

  platform::GlobalHotKey hotKey(SpaceKeysym, ControlMask, [&quickLaunch] { quickLaunch.hotKey(); });
  InstanceServer server(currentInstanceFolder() / InstanceSocketName,
                        [&quickLaunch, &log](const InstanceRequest& request) {
                          if (request.kind == InstanceRequest::Kind::Capture)
                            quickLaunch.hotKey("socket");
                          else
                            log.write("open-request", ",\"file\":" + jsonString(request.file) +
                                                          ",\"by\":\"socket\"");
                        });

  bool closing = false;
  if (line.start == CommandLine::Start::Setup) {
    quickLaunch.stopTimers();
    dialogs::showWelcome(nullptr);
  }
  quickLaunch.startTimers();
  if (line.start != CommandLine::Start::Autorun) quickLaunch.showBalloon();

  engine::SettingsRecord settings;
  const std::filesystem::path settingsPath = settingsFilePath();
  seedSettingsFile(settingsPath);
  SettingsFile settingsFile(settingsPath, settings, messages);
  const bool settingsLoaded = settingsFile.initXMLFILE() && settingsFile.loadAllSettings();
  window.setRecentFilesEnabled(!recentFiles.entries().empty());
  dialogs::SettingsFileStore store(settingsFile);
  dialogs::Autorun autorun = dialogs::currentAutorun();
  showOptionsDialog = [&] { dialogs::showOptions(settings, store, autorun, "General", nullptr); };
  openFileToRead = [&] {
    const bool wasSuspended = acquisitionState.QuickLaunchSuspended;
    acquisitionState.QuickLaunchSuspended = true;
    const QString file = QFileDialog::getOpenFileName(
        nullptr, "Open File", QString(),
        "All Lumetra Compatible (*.txt;*.doc) (*.txt *.doc *.docx *.odt *.pdf *.text *.md *.log)");
    acquisitionState.QuickLaunchSuspended = wasSuspended;
    if (!file.isEmpty())
      log.write("open-request", ",\"file\":" + jsonString(file.toStdString()) + ",\"by\":\"menu\"");
  };

  const auto shutDown = [&] {
    if (closing) return;
    closing = true;
    quickLaunch.stopTimers();
    if (settingsLoaded) settingsFile.saveSettings();
    removeMarker(marker);
  };
  QObject::connect(&app, &QCoreApplication::aboutToQuit, shutDown);
  const int status = QApplication::exec();
  shutDown();
  return status;
}

} // namespace shell
