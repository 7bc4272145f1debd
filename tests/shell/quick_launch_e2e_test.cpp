// Quick Launch on a real X11 display with a window manager that has a tray,
// watched through its event log.
#include <sys/wait.h>

#include <fstream>
#include <thread>

#include <QJsonArray>
#include <QJsonDocument>

#include "program_on_x11.h"

namespace shell {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testsupport::exitStatus;
using testsupport::waitFor;

class QuickLaunchOnX11 : public ProgramOnX11 {
protected:
  void SetUp() override {
    startSession({"xdotool", "xwininfo", "mousepad", "xterm"}, windowManager());
    if (IsSkipped()) return;
    log = x11.home() / "events.jsonl";
    document = x11.home() / "notes.txt";
    std::ofstream(document) << "The keeper climbed the stairs of the lighthouse.\n";
  }

  virtual std::string windowManager() const { return "jwm"; }

  pid_t lumetra(std::vector<std::string> args) {
    std::vector<std::string> command{"env", "-u", "QT_QPA_PLATFORM", (app / "lumetra").string()};
    command.insert(command.end(), args.begin(), args.end());
    return x11.launch(command);
  }
  std::vector<std::string> events(const std::string& name) {
    std::ifstream in(log);
    std::vector<std::string> found;
    for (std::string line; std::getline(in, line);)
      if (line.find("\"event\":\"" + name + "\"") != std::string::npos) found.push_back(line);
    return found;
  }
  // Waits for the `count`th event of that name holding `part` and gives it.
  std::string waitForEvent(const std::string& name, std::size_t count = 1,
                           const std::string& part = "") {
    std::string last;
    waitFor(
        [&] {
          std::size_t seen = 0;
          for (const std::string& e : events(name))
            if (e.find(part) != std::string::npos && ++seen == count) last = e;
          return !last.empty();
        },
        5s);
    return last;
  }
  void expectEvent(const std::string& name, std::size_t count, const std::string& part,
                   const std::string& why) {
    EXPECT_FALSE(waitForEvent(name, count, part).empty()) << why;
  }
  // Ends the copy with SIGTERM, which it must answer with a clean exit.
  static void stop(pid_t process) {
    ::kill(process, SIGTERM);
    EXPECT_EQ(exitStatus(process), 0);
  }
  std::string reader(std::chrono::milliseconds limit = 5s) {
    return x11.visibleWindow("--name '^Lumetra$'", limit);
  }
  void readerReads(const std::string& window, std::size_t count) {
    on("xdotool windowactivate --sync " + window + " key space");
    expectEvent("frame", count, "lighthouse", "the reader read nothing");
  }

  fs::path log, document;
};

TEST_F(QuickLaunchOnX11, OneCopyTheButtonOverTheEditorAndCaptures) {
  const pid_t first = lumetra({"--event-log", log.string()});
  ASSERT_FALSE(waitForEvent("balloon").empty()) << "the first start shows its balloon";

  // A second start leaves the marker and ends; the first shows its balloon again.
  EXPECT_EQ(exitStatus(lumetra({})), 0);
  expectEvent("balloon", 2, "", "no balloon for the second start");
  EXPECT_TRUE(waitFor([&] { return !fs::exists(app / "balloon.dat"); }, 2s));
  EXPECT_EQ(::waitpid(first, nullptr, WNOHANG), 0) << "the first copy ended";

  x11.launch({"mousepad", document.string()});
  const std::string editor = x11.visibleWindow("--class mousepad");
  ASSERT_FALSE(editor.empty()) << "mousepad did not show a window";
  on("xdotool windowactivate --sync " + editor);
  const std::string shown = waitForEvent("quicklaunch", 1, "\"shown\":true");
  ASSERT_FALSE(shown.empty()) << "no button over the editor";
  std::this_thread::sleep_for(300ms); // the window manager may still place the frame
  // Where the button is: its place over the frame is QuickLaunchTest's, the
  // frame's XcbDesktopTest's; the click below proves it is there.
  const std::string last = events("quicklaunch").back();
  const QJsonArray rect =
      QJsonDocument::fromJson(QByteArray::fromStdString(last))["rect"].toArray();
  ASSERT_EQ(rect.size(), 4) << last;

  // Closes the reader and brings the editor back with the button over it.
  const auto backToTheEditor = [&](const std::string& window) {
    const std::size_t shownBefore = events("quicklaunch").size();
    on("xdotool windowactivate --sync " + window + " key Escape");
    EXPECT_TRUE(waitFor([&] { return reader(0ms).empty(); }, 3s));
    on("xdotool windowactivate --sync " + editor);
    return waitFor(
        [&] {
          const auto shown = events("quicklaunch");
          return shown.size() > shownBefore &&
                 shown.back().find("\"shown\":true") != std::string::npos;
        },
        5s);
  };
  // A click on the button puts the editor's file in the reader, in front.
  on("xdotool mousemove --sync " + std::to_string(rect[0].toInt() + 40) + " " +
     std::to_string(rect[1].toInt() + 8) + " click 1");
  expectEvent("capture-request", 1, "\"by\":\"button\"", "the click asked for no capture");
  expectEvent("capture", 1, document.string(), "the click captured nothing");
  std::string window = reader();
  ASSERT_FALSE(window.empty()) << "the reader did not show the capture";
  readerReads(window, 1);

  ASSERT_TRUE(backToTheEditor(window)) << "no button over the editor after the reader closed";
  on("xdotool windowactivate --sync " + editor + " key ctrl+space");
  expectEvent("capture-request", 1, "\"by\":\"hotkey\"", "Ctrl+Space asked for no capture");
  expectEvent("capture", 2, document.string(), "Ctrl+Space captured nothing");
  window = reader();
  ASSERT_FALSE(window.empty());
  ASSERT_TRUE(backToTheEditor(window));
  EXPECT_EQ(exitStatus(lumetra({"--capture"})), 0);
  expectEvent("capture-request", 1, "\"by\":\"socket\"", "--capture asked for no capture");
  expectEvent("capture", 3, document.string(), "--capture captured nothing");

  // Closing removes a marker left for it.
  std::ofstream(app / "balloon.dat").flush();
  stop(first);
  EXPECT_FALSE(fs::exists(app / "balloon.dat"));
}

// A file given while the copy runs opens in the editor of its type and in
// the reader, which takes the editor's window as the one it follows.
TEST_F(QuickLaunchOnX11, AFileGivenToTheRunningCopyOpensInItsEditorAndInTheReader) {
  if (testsupport::findProgram("xdg-mime").empty()) GTEST_SKIP() << "xdg-mime is not installed";
  on("HOME=" + x11.home().string() + " xdg-mime default org.xfce.mousepad.desktop text/plain");
  const pid_t quickLaunch = lumetra({"--event-log", log.string()});
  ASSERT_FALSE(waitForEvent("balloon").empty());
  EXPECT_EQ(exitStatus(lumetra({document.string()})), 0);
  const std::string captured = waitForEvent("capture");
  EXPECT_NE(captured.find(document.string()), std::string::npos) << captured;

  // This window manager gives a new window no focus: the user's click does.
  const std::string editor = x11.visibleWindow("--class mousepad");
  ASSERT_FALSE(editor.empty()) << "the file did not open in its editor";
  on("xdotool windowactivate --sync " + editor);
  const std::string source = waitForEvent("source-window");
  EXPECT_NE(source.find(std::to_string(std::stoll(editor))), std::string::npos) << source;
  const std::string window = reader();
  ASSERT_FALSE(window.empty()) << "the reader did not show";
  readerReads(window, 1);
  stop(quickLaunch);
}

TEST_F(QuickLaunchOnX11, AtLogonNoBalloonButOneForAMarkerLeftBehind) {
  std::ofstream(app / "balloon.dat").flush();
  const pid_t quickLaunch = lumetra({"autorun", "--event-log", log.string()});
  expectEvent("balloon", 1, "", "the marker left behind was not shown");
  std::this_thread::sleep_for(1500ms);
  EXPECT_EQ(events("balloon").size(), 1u) << "autorun showed its own balloon";
  stop(quickLaunch);
}

// The reader follows the window its document came from. Under a window
// manager that keeps the focus where the user put it (openbox: jwm gives the
// focus to the window below one that goes away).
class ReaderFollowsItsSource : public QuickLaunchOnX11 {
protected:
  std::string windowManager() const override { return "openbox"; }
  std::string active() {
    const std::string found = on("xdotool getactivewindow");
    return found.substr(0, found.find('\n'));
  }
};

TEST_F(ReaderFollowsItsSource, HidesForATerminalAndComesBackOverTheEditorWithoutTheFocus) {
  const pid_t quickLaunch = lumetra({"--event-log", log.string()});
  ASSERT_FALSE(waitForEvent("balloon").empty());
  x11.launch({"mousepad", document.string()});
  x11.launch({"xterm"});
  const std::string editor = x11.visibleWindow("--class mousepad");
  const std::string terminal = x11.visibleWindow("--class xterm");
  ASSERT_FALSE(editor.empty() || terminal.empty()) << "mousepad or xterm did not show";
  on("xdotool windowactivate --sync " + editor);
  ASSERT_FALSE(waitForEvent("quicklaunch", 1, "\"shown\":true").empty());
  on("xdotool key ctrl+space");
  ASSERT_FALSE(waitForEvent("capture", 1, document.string()).empty());
  ASSERT_TRUE(waitFor([&] { return !reader(0ms).empty(); }, 5s)) << "no reader";

  on("xdotool windowactivate --sync " + terminal);
  EXPECT_TRUE(waitFor([&] { return reader(0ms).empty(); }, 3s))
      << "the reader stayed over the terminal";
  EXPECT_EQ(active(), terminal);

  on("xdotool windowactivate --sync " + editor);
  EXPECT_TRUE(waitFor([&] { return !reader(0ms).empty(); }, 3s))
      << "the reader did not come back over the editor";
  std::this_thread::sleep_for(500ms);
  EXPECT_EQ(active(), editor) << "the reader took the focus from the editor";

  on("xdotool windowminimize --sync " + editor);
  EXPECT_TRUE(waitFor([&] { return reader(0ms).empty(); }, 3s))
      << "the reader stayed with its source minimised";
  stop(quickLaunch);
}

} // namespace
} // namespace shell
