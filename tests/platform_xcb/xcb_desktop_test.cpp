// The X11 desktop against mousepad and xterm on a private Xvfb with jwm,
// checked against what the X tools (xwininfo, xprop, xdotool) report.
#include "platform/xcb/xcb_desktop.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <thread>

#include <QGuiApplication>
#include <QWindow>

#include "acquisition/source_applications.h"
#include "platform/cp1252.h"
#include "support/x11_app_test.h"

namespace platform {
namespace {

using namespace std::chrono_literals;

class XcbDesktopTest : public testsupport::X11AppTest {
protected:
  static void SetUpTestSuite() { startSuite({"mousepad", "xterm", "xdotool", "xwininfo"}); }

  void SetUp() override {
    X11AppTest::SetUp();
    if (IsSkipped()) return;
    desktop = makeDesktop();
    desktop->setSleep([](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); });
    ASSERT_TRUE(desktop->available());

    const auto file = session_->home() / "caf\xc3\xa9 notes.txt";
    std::ofstream(file) << "First line of the notes\nSecond line\n";
    editorGroup = session_->launchEditor({file.string()});
    terminalGroup =
        session_->launch({"xterm", "-T", "Lumetra test terminal", "-geometry", "80x24+300+200"});
    editor = windowOfClass("mousepad");
    terminal = windowOfClass("xterm");
    ASSERT_GT(editor, 0) << "mousepad showed no window";
    ASSERT_GT(terminal, 0) << "xterm showed no window";
  }

  void TearDown() override {
    desktop.reset();
    if (session_) {
      session_->end(editorGroup);
      session_->end(terminalGroup);
    }
  }

  // The visible window of that class, once it is shown; 0 when none is.
  static WindowId windowOfClass(const std::string& windowClass) {
    const std::string found = session_->visibleWindow("--class " + windowClass);
    return found.empty() ? 0 : static_cast<WindowId>(std::stoull(found));
  }

  std::unique_ptr<Desktop> desktop;
  pid_t editorGroup = 0, terminalGroup = 0;
  WindowId editor = 0, terminal = 0;
};

TEST_F(XcbDesktopTest, ReportsTitleClassProcessAndPlaceOfEachWindow) {
  for (const auto& [window, className] : {std::pair{editor, "mousepad"}, {terminal, "xterm"}}) {
    SCOPED_TRACE(className);
    const std::string id = std::to_string(window);
    std::string name = onDisplay("xdotool getwindowname " + id);
    name.erase(name.find_last_not_of(" \n") + 1);
    EXPECT_EQ(desktop->windowTitle(window), utf8ToCp1252(name));
    EXPECT_EQ(desktop->windowClassName(window), className);
    EXPECT_EQ(desktop->processNameOfWindow(window), className);

    // xwininfo's client area, and jwm's frame extents (left, right, top, bottom) around it.
    const std::vector<int> c = session_->windowInfo(
        id, {"Absolute upper-left X:", "Absolute upper-left Y:", "Width:", "Height:"});
    const std::string extents = onDisplay("xprop -id " + id + " _NET_FRAME_EXTENTS");
    int e[4];
    ASSERT_EQ(std::sscanf(extents.c_str(), "%*[^=]= %d, %d, %d, %d", e, e + 1, e + 2, e + 3), 4)
        << "jwm gives every window frame extents: " << extents;
    EXPECT_EQ(desktop->clientRect(window), (Rect{c[0], c[1], c[2], c[3]}));
    EXPECT_EQ(desktop->windowRect(window),
              (Rect{c[0] - e[0], c[1] - e[2], c[2] + e[0] + e[1], c[3] + e[2] + e[3]}));
  }
  // A title is followed as it changes, and comes in as code page 1252.
  onDisplay("xdotool set_window --name 'Renamed r\xc3\xa9sum\xc3\xa9  ' " +
            std::to_string(terminal));
  EXPECT_TRUE(eventually([&] { return desktop->windowTitle(terminal) == "Renamed r\xe9sum\xe9"; }))
      << "still " << desktop->windowTitle(terminal);
}

TEST_F(XcbDesktopTest, AMinimisedWindowIsNotShown) {
  onDisplay("xdotool windowminimize " + std::to_string(editor));
  EXPECT_TRUE(eventually([&] { return desktop->isMinimised(editor); }));
  EXPECT_FALSE(desktop->isWindowVisible(editor));
  EXPECT_TRUE(desktop->isWindowVisible(terminal));

  ASSERT_TRUE(desktop->switchToWindow(editor));
  EXPECT_TRUE(eventually(
      [&] { return desktop->isWindowVisible(editor) && !desktop->isMinimised(editor); }));
}

// The click that drops a selection puts the pointer back.
TEST_F(XcbDesktopTest, AClickPutsThePointerBack) {
  onDisplay("xdotool mousemove 40 50");
  const Rect client = desktop->clientRect(editor);
  desktop->clickAt(client.left + 10, client.bottom() - 1);
  EXPECT_TRUE(eventually([&] {
    return onDisplay("xdotool getmouselocation").starts_with("x:40 y:50 ");
  })) << onDisplay("xdotool getmouselocation");
}

// The reader's window: the program's own, never a source, kept on top without the focus.
TEST_F(XcbDesktopTest, KeepsItsOwnWindowOnTopWithoutTakingTheFocus) {
  QWindow own;
  own.setTitle("mousepad");
  own.setFlags(Qt::Window | Qt::WindowDoesNotAcceptFocus);
  own.resize(300, 60);
  own.show();
  const auto ownWindow = static_cast<WindowId>(own.winId());
  ASSERT_TRUE(eventually([&] { return desktop->isWindowVisible(ownWindow); }));
  EXPECT_TRUE(desktop->isOwnWindow(ownWindow));
  EXPECT_EQ(desktop->processNameOfWindow(ownWindow), "platform_xcb_tests");
  ASSERT_TRUE(desktop->switchToWindow(editor));
  ASSERT_TRUE(eventually([&] { return desktop->foregroundWindow() == editor; }));

  ASSERT_TRUE(desktop->keepOnTop(ownWindow));
  EXPECT_TRUE(eventually([&] {
    return onDisplay("xprop -id " + std::to_string(ownWindow) + " _NET_WM_STATE")
               .find("_NET_WM_STATE_ABOVE") != std::string::npos;
  }));
  std::this_thread::sleep_for(200ms);
  QGuiApplication::processEvents();
  EXPECT_EQ(desktop->foregroundWindow(), editor);
}

TEST_F(XcbDesktopTest, AnEditorKilledWhileBeingAskedAnswersNoWindowInBoundedTime) {
  const int editorProcess = desktop->processIdOfWindow(editor);
  ASSERT_GT(editorProcess, 0);
  std::thread killer([editorProcess] {
    std::this_thread::sleep_for(150ms);
    ::kill(editorProcess, SIGKILL);
  });
  auto slowest = std::chrono::steady_clock::duration::zero();
  const bool gone = eventually(
      [&] {
        const auto start = std::chrono::steady_clock::now();
        const std::string title = desktop->windowTitle(editor);
        const std::string process = desktop->processNameOfWindow(editor);
        const Rect rect = desktop->windowRect(editor);
        const bool shown = desktop->isWindowVisible(editor);
        const std::string kind = acquisition::sourceApplicationOf(*desktop, process, editor);
        slowest = std::max(slowest, std::chrono::steady_clock::now() - start);
        return title.empty() && process.empty() && rect == Rect{} && !shown && kind.empty();
      },
      10s);
  killer.join();
  EXPECT_TRUE(gone) << "the dead editor's window still answered";
  EXPECT_LT(slowest, 2s) << "a round of questions took too long";
}

TEST_F(XcbDesktopTest, AServerThatStopsAnsweringIsGivenUpOnAfterTheLimit) {
  ASSERT_FALSE(desktop->windowRect(terminal) == Rect{});
  ::kill(session_->serverProcess(), SIGSTOP);
  const auto start = std::chrono::steady_clock::now();
  const Rect rect = desktop->windowRect(terminal);
  const bool shown = desktop->isWindowVisible(terminal);
  const auto took = std::chrono::steady_clock::now() - start;
  ::kill(session_->serverProcess(), SIGCONT);

  EXPECT_EQ(rect, Rect{});
  EXPECT_FALSE(shown);
  EXPECT_LT(took, 2s);
  EXPECT_GE(took, 900ms) << "both questions wait their 500 ms before giving up";
  EXPECT_TRUE(eventually([&] { return !(desktop->windowRect(terminal) == Rect{}); }))
      << "answers again once the server runs";
}

} // namespace
} // namespace platform
