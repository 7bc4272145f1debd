#include "shell/quick_launch.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/fake_desktop.h"
#include "platform/virtual_clock.h"

namespace shell {
namespace {

using platform::FakeDesktop;
using platform::Rect;
using platform::WindowId;

class FakeView : public QuickLaunchView {
public:
  WindowId id = 0;
  bool visible = false;
  int left = 0, top = -100, activations = 0;
  std::vector<bool> busy;

  WindowId windowId() const override { return id; }
  void showButton() override { visible = true; }
  void hideButton() override { visible = false; }
  bool buttonVisible() const override { return visible; }
  void moveButton(int x, int y) override { left = x, top = y; }
  void setHint(const std::string&) override {}
  std::string hint() const override { return ""; }
  void setHandCursor() override {}
  void setBusyCursor(bool on) override { busy.push_back(on); }
  void showBalloon(const std::string&, const std::string&, int) override {}
  void setRecentFilesEnabled(bool) override {}
  void activate() override { ++activations; }
};

struct Capture {
  WindowId window;
  std::string how;
  bool timersRunning;
  bool operator==(const Capture&) const = default;
};

class QuickLaunchTest : public ::testing::Test {
public:
  QuickLaunchTest() {
    const platform::WindowGeometry frame{{100, 40, 700, 500}, {104, 70, 692, 466}};
    editor = desktop.addWindow({"notes.txt - Mousepad", "mousepad", "", 500, "mousepad", frame});
    terminal = desktop.addWindow({"user@host: ~", "xterm", "", 600, "xterm", {}});
    const int own = FakeDesktop::ownProcess;
    view.id = desktop.addWindow({"", "lumetra", "", own, "lumetra", {{0, -100, 226, 112}, {}}});
    reader = desktop.addWindow({"Lumetra", "lumetra", "", own, "lumetra", {{0, 0, 800, 200}, {}}});
    QuickLaunchHooks hooks;
    hooks.captureFromApplication = [this](WindowId w, const std::string& how) {
      captures.push_back({w, how, ql->timersRunning()});
    };
    hooks.readerVisible = [] { return false; };
    hooks.isReaderWindow = [this](WindowId w) { return w == reader; };
    hooks.recentFilesHaveEntry = [] { return false; };
    hooks.markerExists = [] { return false; };
    hooks.buttonChanged = [this](bool shown, Rect rect) { reports.emplace_back(shown, rect); };
    ql = std::make_unique<TfrmQuickLaunch>(desktop, clock, acq, state, view, hooks);
    ql->startTimers();
  }
  void editorInFront() { // and the button over it
    desktop.setForeground(editor);
    clock.advance(1001);
    ASSERT_TRUE(view.visible);
  }

  FakeDesktop desktop;
  platform::VirtualClock clock;
  acquisition::AcquisitionState acq;
  QuickLaunchState state;
  FakeView view;
  WindowId editor = 0, terminal = 0, reader = 0;
  std::vector<Capture> captures;
  std::vector<std::pair<bool, Rect>> reports;
  std::unique_ptr<TfrmQuickLaunch> ql;
};

TEST_F(QuickLaunchTest, TheButtonFollowsACompatibleWindowAndLeavesWithIt) {
  desktop.setForeground(editor);
  clock.advance(999);
  EXPECT_FALSE(view.visible) << "before the first focus tick";
  clock.advance(2);
  EXPECT_TRUE(view.visible);
  EXPECT_EQ(std::tuple(state.TargetState, state.TargetWindow, acq.TrackedWindow),
            std::tuple(TargetStates::Target, editor, editor));
  EXPECT_EQ(reports, (std::vector<std::pair<bool, Rect>>{{true, {610, 45, 226, 112}}}));
  EXPECT_FALSE(desktop.switches().empty());
  EXPECT_EQ(desktop.keptOnTop().back(), view.id);

  // Moved: the button follows within a placement tick; a still window is not reported again.
  desktop.window(editor).geometry.outer = {300, 200, 700, 500};
  clock.advance(1);
  EXPECT_EQ(std::pair(view.left, view.top), std::pair(1000 - 190, 205));
  clock.advance(50);
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[1], std::pair(true, Rect{810, 205, 226, 112}));

  // Another program in front: gone within a second, reported once.
  desktop.setForeground(terminal);
  clock.advance(1000);
  EXPECT_FALSE(view.visible);
  EXPECT_EQ(state.TargetState, TargetStates::NoTarget);
  ASSERT_EQ(reports.size(), 3u);
  EXPECT_FALSE(reports[2].first);
}

// An untitled window of another program is no target, as no window in front is.
TEST_F(QuickLaunchTest, AnUntitledWindowInFrontIsNoTargetAndHidesTheButton) {
  editorInFront();
  desktop.window(editor).title = "   ";
  clock.advance(1000);
  EXPECT_FALSE(view.visible);
  EXPECT_EQ(state.TargetState, TargetStates::NoTarget);
}

TEST_F(QuickLaunchTest, HiddenByTheUserTheButtonNeverShowsButTheTrayStillCaptures) {
  ql->hideQuickLaunch();
  EXPECT_FALSE(ql->menuState(true).hideQuickLaunch);
  desktop.setForeground(editor);
  clock.advance(3000);
  EXPECT_FALSE(view.visible);
  EXPECT_EQ(state.TargetWindow, editor);
  ql->trayEvent(TrayEvent::DoubleClick);
  ASSERT_EQ(captures.size(), 1u);
  EXPECT_EQ(std::pair(captures[0].window, captures[0].how), std::pair(editor, std::string("tray")));
  desktop.setForeground(editor);
  ql->hotKey();
  EXPECT_EQ(captures.size(), 1u) << "Ctrl+Space needs the button";
  ql->showQuickLaunch();
  EXPECT_TRUE(ql->menuState(false).hideQuickLaunch);
}

TEST_F(QuickLaunchTest, AClickCapturesWithTheTimersStoppedAndRestartsThem) {
  editorInFront();
  // Pressing the button brings the QuickLaunch window in front: the tracked window is used.
  desktop.setForeground(view.id);
  ql->btnClick();
  EXPECT_EQ(captures, (std::vector<Capture>{{editor, "button", false}}));
  EXPECT_TRUE(ql->timersRunning());
  EXPECT_EQ(view.busy, (std::vector<bool>{true, false}));
  EXPECT_FALSE(view.visible) << "the click hides the button";
}

TEST_F(QuickLaunchTest, TheHotKeyCapturesTheWindowInFrontButNeverTheReader) {
  editorInFront();
  ql->hotKey("socket");
  desktop.setForeground(reader);
  ql->hotKey();
  EXPECT_EQ(captures, (std::vector<Capture>{{editor, "socket", true}}));
  EXPECT_EQ(view.activations, 0);
}

} // namespace
} // namespace shell
