// The reader program on a real X11 display, closed by every way a user
// closes it with freed memory overwritten (MALLOC_PERTURB_): it must exit
// cleanly and keep the reading position, which the next start reads on from.
#include <csignal>
#include <fstream>
#include <thread>

#include "engine/settings_record.h"
#include "platform/message_boxes.h"
#include "program_on_x11.h"
#include "shell/settings_file.h"

namespace shell {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testsupport::exitStatus;
using testsupport::waitFor;

// The saved position of `document` in the settings file at `path`, or -1.
std::int32_t savedPosition(const fs::path& path, const std::string& document) {
  engine::SettingsRecord record;
  platform::RecordingMessageBoxes messages;
  SettingsFile file(path, record, messages);
  if (!file.initXMLFILE() || !file.loadAllSettings()) return -1;
  for (const engine::SavedPosition& entry : record.LoadedDocuments)
    if (entry.name.find(fs::path(document).stem().string()) != std::string::npos)
      return entry.position;
  return -1;
}

// A copy of the program with its own settings file beside it, reading a long
// document at 900 wpm.
class ReaderOnX11 : public ProgramOnX11 {
protected:
  void SetUp() override {
    startSession({"xdotool", "xwininfo"}, "jwm");
    if (IsSkipped()) return;
    document = x11.home() / "story.txt";
    engine::SettingsRecord record;
    platform::RecordingMessageBoxes messages;
    SettingsFile file(app / SettingsFileName, record, messages);
    ASSERT_TRUE(file.loadDocument(factorySettingsText()) && file.loadAllSettings());
    record.AutoStart = true;
    record.WordsPerMinute = 900;
    ASSERT_TRUE(file.saveSettings());
    std::ofstream out(document);
    for (int i = 0; i < 4000; ++i)
      out << "The keeper climbed the stairs of the lighthouse once more. ";
  }

  // Starts the reader on the document; its process and its window.
  std::pair<pid_t, std::string> start() {
    const pid_t reader = x11.launch({"env", "-u", "QT_QPA_PLATFORM", "MALLOC_PERTURB_=165",
                                     (app / "lumetra").string(), document.string()});
    return {reader, x11.visibleWindow("--pid " + std::to_string(reader), 10s)};
  }
  // The visible windows of a process, one id a line: the reader's and a menu.
  std::string windows(pid_t process) {
    return on("xdotool search --onlyvisible --pid " + std::to_string(process));
  }
  std::pair<int, int> clientPlace(const std::string& window) {
    const std::vector<int> n =
        x11.windowInfo(window, {"Absolute upper-left X:", "Absolute upper-left Y:"});
    return {n[0], n[1]};
  }
  // V enters full screen ("&Font" and "&Full Screen" share their menu letter).
  void fullScreenAndBack(const std::string& window) {
    on("xdotool windowactivate --sync " + window + " key v sleep 0.6 key Escape");
    std::this_thread::sleep_for(600ms);
  }

  fs::path document; // in the session's home folder
};

TEST_F(ReaderOnX11, FiftyClosesByEveryWayExitCleanlyAndKeepThePosition) {
  std::int32_t previous = 0, first = -1;
  for (int run = 0; run < 50; ++run) {
    const auto [reader, window] = start();
    ASSERT_FALSE(window.empty()) << "run " << run << ": no window";
    // Reads a few frames, now and then longer so that the position moves on.
    std::this_thread::sleep_for(run % 10 == 0 ? 1500ms : 400ms);
    // Escape, File > Exit, the window manager's close, SIGTERM.
    const char* const keys[] = {"Escape", "alt+f sleep 0.3 key x", "alt+F4", nullptr};
    const char* way = keys[run % 4] ? keys[run % 4] : "SIGTERM";
    if (keys[run % 4])
      on("xdotool windowactivate --sync " + window + " key " + way);
    else
      ::kill(reader, SIGTERM);
    const int status = exitStatus(reader);
    x11.end(reader);
    ASSERT_EQ(status, 0) << "run " << run << ", closed by " << way;
    const std::int32_t position = savedPosition(app / SettingsFileName, document.string());
    ASSERT_GE(position, previous) << "run " << run << ", closed by " << way;
    if (first < 0) first = position;
    previous = position;
  }
  EXPECT_GT(previous, first) << "each start reads on from the position saved at the last close";
}

TEST_F(ReaderOnX11, LeavingFullScreenPutsTheWindowBackOnScreen) {
  const auto [reader, window] = start();
  ASSERT_FALSE(window.empty());
  on("xdotool windowmove --sync " + window + " 300 200");
  const auto moved = clientPlace(window);
  fullScreenAndBack(window);
  EXPECT_EQ(clientPlace(window), moved) << "back where the user had put it";

  // A place off every screen, as after a monitor was unplugged.
  on("xdotool windowmove " + window + " 300 3000");
  std::this_thread::sleep_for(300ms);
  fullScreenAndBack(window);
  const auto [x, y] = clientPlace(window);
  EXPECT_GE(x, 0);
  EXPECT_GE(y, 20) << "the title bar above the client area is on the screen";
  EXPECT_LT(y, 1024 - 300);
  x11.end(reader);
}

TEST_F(ReaderOnX11, AfterEscapeClosesAMenuTheKeysGoToTheReader) {
  const auto [reader, window] = start();
  ASSERT_FALSE(window.empty());
  on("xdotool windowactivate --sync " + window + " key alt+f");
  ASSERT_TRUE(waitFor([&] { return windows(reader) != window + "\n"; }, 3s)) << "no menu opened";
  on("xdotool key Escape");
  ASSERT_TRUE(waitFor([&] { return windows(reader) == window + "\n"; }, 3s));
  on("xdotool key space sleep 0.5");
  EXPECT_EQ(windows(reader), window + "\n") << "Space opened the menu again";
  x11.end(reader);
}

} // namespace
} // namespace shell
