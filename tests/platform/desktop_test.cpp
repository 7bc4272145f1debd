// The rules every desktop shares, on the scripted desktop: what a window
// that is none, gone or broken answers, how texts come in, the window in
// front, own windows, key sequences, the click and the clipboard.
#include "platform/desktop.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/fake_desktop.h"

namespace platform {
namespace {

FakeWindow editorWindow() {
  FakeWindow w;
  w.title = "notes.txt - Mousepad";
  w.className = "Mousepad";
  w.role = "MousepadWindow";
  w.processId = 3100;
  w.executable = "mousepad";
  w.geometry = {{96, 73, 648, 511}, {100, 100, 640, 480}};
  return w;
}

class DesktopRulesTest : public ::testing::Test {
protected:
  FakeDesktop desktop;
  WindowId editor = desktop.addWindow(editorWindow());
};

// Every question about a window that is not there, whatever the reason.
TEST_F(DesktopRulesTest, AWindowThatIsNotThereAnswersNoWindow) {
  FakeWindow broken = editorWindow();
  broken.broken = true;
  const WindowId brokenWindow = desktop.addWindow(broken);
  const WindowId gone = desktop.addWindow(editorWindow());
  desktop.removeWindow(gone);

  struct Case {
    const char* name;
    WindowId window;
    std::string processName;
  };
  for (const auto& [name, window, processName] :
       {Case{"no window", NoWindow, ""}, Case{"failed foreground", FailedWindow, "null"},
        Case{"negative", -100, ""}, Case{"gone", gone, ""}, Case{"broken", brokenWindow, ""}}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(desktop.windowTitle(window), "");
    EXPECT_EQ(desktop.windowClassName(window), "");
    EXPECT_EQ(desktop.windowRole(window), "");
    EXPECT_EQ(desktop.processNameOfWindow(window), processName);
    EXPECT_EQ(desktop.processIdOfWindow(window), 0);
    EXPECT_EQ(desktop.windowRect(window), Rect{});
    EXPECT_EQ(desktop.clientRect(window), Rect{});
    EXPECT_FALSE(desktop.isWindowVisible(window));
    EXPECT_FALSE(desktop.isMinimised(window));
    EXPECT_FALSE(desktop.isOwnWindow(window));
    EXPECT_FALSE(desktop.keepOnTop(window));
  }
  EXPECT_FALSE(desktop.switchToWindow(gone));
  EXPECT_TRUE(desktop.switches().empty());
}

TEST_F(DesktopRulesTest, TextsComeInAsCodePage1252WithTheTitleRightTrimmed) {
  struct Case {
    std::string title, className, role;
    std::string expectedTitle, expectedClass, expectedRole;
  };
  const Case cases[] = {
      {"R\xc3\xa9sum\xc3\xa9 \xe2\x80\x93 draft \t\r\n", "Gedit", "GeditWindow",
       "R\xe9sum\xe9 \x96 draft", "gedit", "geditwindow"},
      {"  leading spaces stay", "LIBREOFFICE-WRITER", "", "  leading spaces stay",
       "libreoffice-writer", ""},
      {"\xe6\x97\xa5\xe6\x9c\xac.txt", "Xed", "", "??.txt", "xed", ""},
      {std::string("ends in a control\x01\x1f"), "K", "", "ends in a control", "k", ""},
      {" \t ", "", "", "", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    FakeWindow w = editorWindow();
    w.title = c.title;
    w.className = c.className;
    w.role = c.role;
    const WindowId window = desktop.addWindow(w);
    EXPECT_EQ(desktop.windowTitle(window), c.expectedTitle);
    EXPECT_EQ(desktop.windowClassName(window), c.expectedClass);
    EXPECT_EQ(desktop.windowRole(window), c.expectedRole);
  }
}

TEST_F(DesktopRulesTest, AClassNameKeepsAtMost255Characters) {
  FakeWindow w = editorWindow();
  w.className = std::string(300, 'Q');
  const WindowId window = desktop.addWindow(w);
  EXPECT_EQ(desktop.windowClassName(window), std::string(255, 'q'));
}

TEST_F(DesktopRulesTest, TheProcessNameIsTheLowerCaseExecutableOfTheWindowsProcess) {
  FakeWindow w = editorWindow();
  w.processId = 3200;
  w.executable = "FeatherPad";
  const WindowId window = desktop.addWindow(w);
  EXPECT_EQ(desktop.processNameOfWindow(window), "featherpad");
  EXPECT_EQ(desktop.processNameOfWindow(editor), "mousepad");

  FakeWindow unknown = editorWindow();
  unknown.processId = 0;
  EXPECT_EQ(desktop.processNameOfWindow(desktop.addWindow(unknown)), "");
}

TEST_F(DesktopRulesTest, RectanglesAndStateAreThoseTheDesktopGives) {
  EXPECT_EQ(desktop.windowRect(editor), (Rect{96, 73, 648, 511}));
  EXPECT_EQ(desktop.clientRect(editor), (Rect{100, 100, 640, 480}));

  struct Case {
    WindowState state;
    bool shown, minimised;
  };
  for (const auto& [state, shown, minimised] :
       {Case{{true, false, false}, true, false}, Case{{false, false, false}, false, false},
        Case{{true, true, false}, false, false}, Case{{false, true, true}, false, true}}) {
    desktop.window(editor).state = state;
    EXPECT_EQ(desktop.isWindowVisible(editor), shown);
    EXPECT_EQ(desktop.isMinimised(editor), minimised);
  }
}

TEST_F(DesktopRulesTest, TheWindowInFront) {
  desktop.setForeground(editor);
  EXPECT_EQ(desktop.foregroundWindow(), editor);
  desktop.setForeground(NoWindow);
  EXPECT_EQ(desktop.foregroundWindow(), NoWindow);
  desktop.setForeground(FailedWindow);
  EXPECT_EQ(desktop.foregroundWindow(), FailedWindow);
  EXPECT_EQ(desktop.processNameOfWindow(desktop.foregroundWindow()), "null");
}

TEST_F(DesktopRulesTest, AnIgnoredWindowInFrontLeavesTheWindowBeforeIt) {
  FakeWindow buttonWindow = editorWindow();
  buttonWindow.processId = FakeDesktop::ownProcess;
  const WindowId button = desktop.addWindow(buttonWindow);
  desktop.ignoreAsForeground(button);

  desktop.setForeground(button);
  EXPECT_EQ(desktop.foregroundWindow(), NoWindow) << "nothing was in front before it";
  desktop.setForeground(editor);
  EXPECT_EQ(desktop.foregroundWindow(), editor);
  desktop.setForeground(button);
  EXPECT_EQ(desktop.foregroundWindow(), editor);
  desktop.setForeground(FailedWindow);
  EXPECT_EQ(desktop.foregroundWindow(), FailedWindow);
}

TEST_F(DesktopRulesTest, OwnWindowsAreKnownByProcessIdAndOnlyTheyAreKeptOnTop) {
  FakeWindow ownWindow = editorWindow();
  ownWindow.processId = FakeDesktop::ownProcess;
  ownWindow.executable = "lumetra";
  const WindowId own = desktop.addWindow(ownWindow);
  FakeWindow namedLikeUs = editorWindow();
  namedLikeUs.processId = 5000;
  namedLikeUs.executable = "lumetra";
  const WindowId other = desktop.addWindow(namedLikeUs);

  EXPECT_TRUE(desktop.isOwnWindow(own));
  EXPECT_FALSE(desktop.isOwnWindow(other)) << "the same name is another program";
  EXPECT_FALSE(desktop.isOwnWindow(editor));
  EXPECT_TRUE(desktop.keepOnTop(own));
  EXPECT_FALSE(desktop.keepOnTop(other));
  EXPECT_EQ(desktop.keptOnTop(), std::vector<WindowId>{own});
}

TEST_F(DesktopRulesTest, SwitchingBringsAMinimisedWindowBackToTheFront) {
  desktop.window(editor).state = {false, true, true};
  EXPECT_TRUE(desktop.switchToWindow(editor));
  EXPECT_EQ(desktop.foregroundWindow(), editor);
  EXPECT_TRUE(desktop.isWindowVisible(editor));
  EXPECT_FALSE(desktop.isMinimised(editor));
}

// What the focused application sees of a key sequence: which keys it gets
// while Control is held, and the pauses.
struct Received {
  std::vector<std::pair<Key, bool>> presses; // key, with Control held
  std::vector<int> pausesAfterPresses;       // presses made before each pause
  std::vector<int> pauseLengths;
  bool balanced = true; // every key released, none released twice
};

Received whatTheApplicationGets(const std::vector<DesktopInput>& input) {
  Received received;
  std::vector<Key> held;
  for (const DesktopInput& event : input) {
    const auto it = std::find(held.begin(), held.end(), event.key);
    if (event.kind == DesktopInput::KeyDown) {
      if (it != held.end()) received.balanced = false;
      held.push_back(event.key);
      if (event.key != Key::Control) {
        const bool control = std::find(held.begin(), held.end(), Key::Control) != held.end();
        received.presses.push_back({event.key, control});
      }
    } else if (event.kind == DesktopInput::KeyUp) {
      if (it == held.end())
        received.balanced = false;
      else
        held.erase(it);
    } else if (event.kind == DesktopInput::Pause) {
      received.pausesAfterPresses.push_back(static_cast<int>(received.presses.size()));
      received.pauseLengths.push_back(event.milliseconds);
    }
  }
  if (!held.empty()) received.balanced = false;
  return received;
}

TEST_F(DesktopRulesTest, KeySequencesGiveTheApplicationItsShortcutsWithNoKeyLeftDown) {
  using P = std::pair<Key, bool>;
  const std::vector<P> selectCopyHome{
      {Key::A, true}, {Key::C, true}, {Key::Right, false}, {Key::Home, true}};
  struct Case {
    KeySequence sequence;
    std::vector<P> presses;
    std::vector<int> pausesAfterPresses, pauseLengths;
  };
  const Case cases[] = {
      {KeySequence::SelectCopyHome, selectCopyHome, {}, {}},
      {KeySequence::SelectCopyHomeWithPause, selectCopyHome, {2}, {250}},
      {KeySequence::SelectCopy, {{Key::A, true}, {Key::C, true}}, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.sequence));
    FakeDesktop keys;
    keys.sendKeys(c.sequence);
    const Received received = whatTheApplicationGets(keys.input());
    EXPECT_TRUE(received.balanced);
    EXPECT_EQ(received.presses, c.presses);
    EXPECT_EQ(received.pausesAfterPresses, c.pausesAfterPresses);
    EXPECT_EQ(received.pauseLengths, c.pauseLengths);
  }
}

TEST_F(DesktopRulesTest, ThePauseIsTakenWhileControlIsStillHeldAfterTheCopy) {
  desktop.sendKeys(KeySequence::SelectCopyHomeWithPause);
  const auto& input = desktop.input();
  const auto pause = std::find_if(input.begin(), input.end(), [](const DesktopInput& e) {
    return e.kind == DesktopInput::Pause;
  });
  ASSERT_NE(pause, input.end());
  ASSERT_NE(pause + 1, input.end());
  EXPECT_EQ(*(pause + 1), (DesktopInput{DesktopInput::KeyUp, Key::Control}));
}

TEST_F(DesktopRulesTest, PausesGoThroughTheSleepGiven) {
  std::vector<int> slept;
  desktop.setSleep([&](int ms) { slept.push_back(ms); });
  desktop.sendKeys(KeySequence::SelectCopyHomeWithPause);
  desktop.sendKeys(KeySequence::SelectCopy);
  EXPECT_EQ(slept, std::vector<int>{250});
}

TEST_F(DesktopRulesTest, AClickPressesAtThePointAndPutsThePointerBack) {
  desktop.setPointer(700, 20);
  desktop.clickAt(110, 579);
  const std::vector<DesktopInput> expected{
      {DesktopInput::PointerMove, Key::Control, 110, 579},
      {DesktopInput::ButtonDown, Key::Control, 110, 579},
      {DesktopInput::ButtonUp, Key::Control, 110, 579},
      {DesktopInput::PointerMove, Key::Control, 700, 20},
  };
  EXPECT_EQ(desktop.input(), expected);
}

TEST_F(DesktopRulesTest, TheClipboardTextComesInWithCrLineEnds) {
  struct Case {
    std::string text;
    std::string expected;
  };
  for (const auto& [text, expected] :
       {Case{"one\ntwo\n", "one\rtwo\r"}, Case{"one\r\ntwo", "one\rtwo"},
        Case{"caf\xc3\xa9 \xe2\x82\xac", "caf\xe9 \x80"}, Case{"", ""}}) {
    desktop.setClipboard(text);
    EXPECT_EQ(desktop.clipboardText(), expected);
    EXPECT_FALSE(desktop.clipboardHtml());
  }
  desktop.setClipboard("Title", "<p>caf\xc3\xa9</p>");
  EXPECT_EQ(desktop.clipboardHtml(), "<p>caf\xc3\xa9</p>") << "HTML goes to its parser as offered";
}

TEST(FixedDesktopTest, KnowsItsWorkAreaAndNoWindows) {
  FixedDesktop desktop({0, 0, 1280, 994});
  EXPECT_EQ(desktop.workArea(), (Rect{0, 0, 1280, 994}));
  EXPECT_FALSE(desktop.available());
  EXPECT_EQ(desktop.foregroundWindow(), FailedWindow);
  EXPECT_EQ(desktop.processNameOfWindow(desktop.foregroundWindow()), "null");
  EXPECT_FALSE(desktop.switchToWindow(0x400001));
  EXPECT_EQ(desktop.clipboardText(), "");
}

} // namespace
} // namespace platform
