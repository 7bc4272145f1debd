#include "shell/qt/quick_launch_program.h"

#include <QApplication>
#include <QFileDialog>

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
#include "reader/qt/reader_desktop.h"
#include "shell/instance_lock.h"
#include "shell/program_files.h"
#include "shell/qt/instance_socket.h"
#include "shell/qt/quick_launch_window.h"
#include "shell/qt/reader_session.h"
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

void openHelpFile() {
  reader::openHelpFile(programFilesFolder(programDirectory()));
}

} // namespace

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

  // Made once the settings may be read (after the welcome wizard of "setup").
  std::unique_ptr<ReaderSession> session;
  std::unique_ptr<TfrmQuickLaunch> quickLaunch;
  bool opening = false;
  // Hands a file to the reader and shows it, with the button held back meanwhile.
  const auto openInReader = [&](const std::string& file, const std::string& by) {
    log.write("open-request", ",\"file\":" + jsonString(file) + ",\"by\":" + jsonString(by));
    // One file at a time: a request that comes while a file opens is dropped.
    if (!session || opening) return;
    opening = true;
    const bool wasSuspended = acquisitionState.QuickLaunchSuspended;
    acquisitionState.QuickLaunchSuspended = true;
    quickLaunch->stopTimers();
    // The document on screen is left first, so that its position is saved.
    const bool readerWasVisible = session->readerVisible();
    if (readerWasVisible) session->closeReader();
    if (session->openFile(file) || readerWasVisible) session->showReader();
    acquisitionState.QuickLaunchSuspended = wasSuspended;
    quickLaunch->startTimers();
    opening = false;
  };
  const auto openFileToRead = [&] {
    const bool wasSuspended = acquisitionState.QuickLaunchSuspended;
    acquisitionState.QuickLaunchSuspended = true;
    const QString file = QFileDialog::getOpenFileName(
        nullptr, "Open File", QString(),
        "All Lumetra Compatible (*.txt;*.doc) (*.txt *.doc *.docx *.odt *.pdf *.text *.md *.log)");
    acquisitionState.QuickLaunchSuspended = wasSuspended;
    if (!file.isEmpty()) openInReader(file.toStdString(), "menu");
  };

  QuickLaunchMenuActions actions;
  actions.options = [&] {
    if (!session) return;
    dialogs::SettingsFileStore store(session->settingsFile());
    dialogs::Autorun autorun = dialogs::currentAutorun();
    dialogs::showOptions(session->settings(), store, autorun, "General", nullptr);
  };
  actions.help = openHelpFile;
  actions.exit = [] { QCoreApplication::quit(); };
  actions.openFile = openFileToRead;
  QuickLaunchWindow window(actions);
  dialogs::TadpMRU recentFiles(dialogs::currentRecentFilesStore());
  recentFiles.setParentMenuItem(&window.recentFilesMenu());
  recentFiles.OnClick = [&openInReader](dialogs::TadpMRU&, const std::string& file) {
    openInReader(file, "recent");
  };

  QuickLaunchHooks hooks;
  hooks.captureFromApplication = [&](platform::WindowId target, const std::string& how) {
    log.write("capture-request",
              ",\"window\":" + std::to_string(target) + ",\"by\":" + jsonString(how));
    // One document at a time, as for files.
    if (!session || opening) return;
    opening = true;
    quickLaunch->stopTimers();
    session->captureWindow(target);
    quickLaunch->startTimers();
    opening = false;
  };
  hooks.readerVisible = [&session] { return session && session->readerVisible(); };
  hooks.recentFilesHaveEntry = [&recentFiles] { return !recentFiles.entries().empty(); };
  hooks.markerExists = [marker] { return markerExists(marker); };
  hooks.removeMarker = [marker] { removeMarker(marker); };
  hooks.buttonChanged = [&log](bool shown, platform::Rect rect) { log.quicklaunch(shown, rect); };
  hooks.balloonShown = [&log] { log.balloon(); };
  hooks.openHelp = openHelpFile;
  hooks.isReaderWindow = [&desktop, &window](platform::WindowId w) {
    return desktop->isOwnWindow(w) && w != window.windowId();
  };
  quickLaunch = std::make_unique<TfrmQuickLaunch>(
      *desktop, timers, acquisitionState, quickLaunchState, window, hooks, PlacementIntervalMs);
  window.setHandlers(quickLaunch.get());
  desktop->ignoreAsForeground(window.windowId());

  platform::GlobalHotKey hotKey(SpaceKeysym, ControlMask,
                                [&quickLaunch] { quickLaunch->hotKey(); });
  InstanceServer server(currentInstanceFolder() / InstanceSocketName,
                        [&quickLaunch, &openInReader](const InstanceRequest& request) {
                          if (request.kind == InstanceRequest::Kind::Capture)
                            quickLaunch->hotKey("socket");
                          else
                            openInReader(request.file, "socket");
                        });

  bool closing = false;
  if (line.start == CommandLine::Start::Setup) {
    quickLaunch->stopTimers();
    dialogs::showWelcome(nullptr);
  }
  quickLaunch->startTimers();
  if (line.start != CommandLine::Start::Autorun) quickLaunch->showBalloon();

  session = std::make_unique<ReaderSession>(*desktop, messages, log, acquisitionState);
  session->setOpenThroughApplications(true);
  session->addRecentFilesList(recentFiles.list());
  window.setRecentFilesEnabled(!recentFiles.entries().empty());

  const auto shutDown = [&] {
    if (closing) return;
    closing = true;
    quickLaunch->stopTimers();
    // A reader on screen saves its position and the settings as it closes.
    if (session->readerVisible())
      session->closeReader();
    else if (session->settingsLoaded())
      session->settingsFile().saveSettings();
    removeMarker(marker);
  };
  QObject::connect(&app, &QCoreApplication::aboutToQuit, shutDown);
  const int status = QApplication::exec();
  shutDown();
  // The reader and QuickLaunch go before the windows and lists they use.
  session.reset();
  quickLaunch.reset();
  return status;
}

} // namespace shell
