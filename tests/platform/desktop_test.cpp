// The rules every desktop shares, on the scripted desktop (the X11 tests show
// windows and copying on a real one); and the X11 desktop without a display.
#include "platform/desktop.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/fake_desktop.h"
#include "platform/xcb/xcb_desktop.h"
#include "support/qt_app.h"

namespace platform {
namespace {

FakeWindow editorWindow(std::string title = "notes.txt", std::string className = "Mousepad",
                        std::string role = "", int processId = 3100) {
  return {std::move(title), std::move(className), std::move(role), processId, "mousepad"};
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
  for (const WindowId window : {NoWindow, FailedWindow, WindowId{-100}, gone, brokenWindow}) {
    SCOPED_TRACE(window);
    EXPECT_EQ(desktop.windowTitle(window) + desktop.windowClassName(window) +
                  desktop.windowRole(window),
              "");
    EXPECT_EQ(desktop.processNameOfWindow(window), window == FailedWindow ? "null" : "");
    EXPECT_EQ(desktop.processIdOfWindow(window), 0);
    EXPECT_EQ(desktop.windowRect(window), Rect{});
    EXPECT_EQ(desktop.clientRect(window), Rect{});
    EXPECT_FALSE(desktop.isWindowVisible(window) || desktop.isMinimised(window) ||
                 desktop.isOwnWindow(window) || desktop.keepOnTop(window));
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
      {" \t ", std::string(300, 'Q'), "", "", std::string(255, 'q'), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    const WindowId window = desktop.addWindow(editorWindow(c.title, c.className, c.role));
    EXPECT_EQ(desktop.windowTitle(window), c.expectedTitle);
    EXPECT_EQ(desktop.windowClassName(window), c.expectedClass);
    EXPECT_EQ(desktop.windowRole(window), c.expectedRole);
  }
  FakeWindow w = editorWindow("", "", "", 3200);
  w.executable = "FeatherPad";
  EXPECT_EQ(desktop.processNameOfWindow(desktop.addWindow(w)), "featherpad");
  EXPECT_EQ(desktop.processNameOfWindow(desktop.addWindow(editorWindow("", "", "", 0))), "");
}

TEST_F(DesktopRulesTest, AnIgnoredWindowInFrontLeavesTheWindowBeforeIt) {
  const WindowId button = desktop.addWindow(editorWindow("", "", "", FakeDesktop::ownProcess));
  desktop.ignoreAsForeground(button);
  struct Step {
    WindowId front, seen;
  };
  for (const auto& [front, seen] : {Step{button, NoWindow}, Step{editor, editor},
                                    Step{button, editor}, Step{FailedWindow, FailedWindow}}) {
    desktop.setForeground(front);
    EXPECT_EQ(desktop.foregroundWindow(), seen) << front;
  }
}

TEST_F(DesktopRulesTest, OwnWindowsAreKnownByProcessIdAndOnlyTheyAreKeptOnTop) {
  FakeWindow w = editorWindow("", "", "", FakeDesktop::ownProcess);
  w.executable = "lumetra"; // the same name in another process is another program
  const WindowId own = desktop.addWindow(w);
  w.processId = 5000;
  const WindowId other = desktop.addWindow(w);
  EXPECT_TRUE(desktop.isOwnWindow(own) && desktop.keepOnTop(own));
  EXPECT_FALSE(desktop.isOwnWindow(other) || desktop.keepOnTop(other));
  EXPECT_EQ(desktop.keptOnTop(), std::vector<WindowId>{own});
}

// What the focused application sees of a key sequence: each key, "^" when
// Control is held, each pause with its length; "unbalanced" when a key is
// pressed twice, released unpressed or left down.
std::string whatTheApplicationGets(const std::vector<DesktopInput>& input) {
  std::string seen;
  const std::map<Key, std::string> names{
      {Key::A, "A"}, {Key::C, "C"}, {Key::Right, "Right"}, {Key::Home, "Home"}};
  std::set<Key> held;
  bool balanced = true;
  for (const DesktopInput& e : input) {
    const std::string control = held.contains(Key::Control) ? "^" : "";
    if (e.kind == DesktopInput::KeyDown) {
      balanced = held.insert(e.key).second && balanced;
      if (e.key != Key::Control)
        seen += control + (names.contains(e.key) ? names.at(e.key) : "?") + " ";
    } else if (e.kind == DesktopInput::KeyUp) {
      balanced = held.erase(e.key) == 1 && balanced;
    } else if (e.kind == DesktopInput::Pause) {
      seen += control + "pause" + std::to_string(e.milliseconds) + " ";
    }
  }
  return balanced && held.empty() ? seen : seen + "unbalanced";
}

TEST(DesktopKeysTest, KeySequencesGiveTheShortcutsAndPauseWithControlStillHeld) {
  struct Case {
    KeySequence sequence;
    const char* seen;
  };
  for (const auto& [sequence, seen] :
       {Case{KeySequence::SelectCopyHomeWithPause, "^A ^C ^pause250 Right ^Home "},
        Case{KeySequence::SelectCopy, "^A ^C "}}) {
    FakeDesktop desktop;
    std::vector<int> slept;
    desktop.sendKeys(sequence);
    EXPECT_EQ(whatTheApplicationGets(desktop.input()), seen);
    desktop.setSleep([&](int ms) { slept.push_back(ms); });
    desktop.sendKeys(sequence);
    EXPECT_EQ(slept.size(), std::string(seen).find("pause") != std::string::npos ? 1u : 0u)
        << "pauses go through the sleep given";
  }
}

// The line ends and the code page as the incoming-text tests show them.
TEST_F(DesktopRulesTest, TheClipboardTextComesInWithCrLineEnds) {
  desktop.setClipboard("caf\xc3\xa9\r\n\xe2\x82\xac\n");
  EXPECT_EQ(desktop.clipboardText(), "caf\xe9\r\x80\r");
  EXPECT_FALSE(desktop.clipboardHtml());
  desktop.setClipboard("Title", "<p>caf\xc3\xa9</p>");
  EXPECT_EQ(desktop.clipboardHtml(), "<p>caf\xc3\xa9</p>") << "HTML goes to its parser as offered";
}

// Without an X11 display (here the offscreen platform) the program's desktop
// says it is not available and answers every question like "no window".
TEST(DesktopWithoutX11Test, IsNotAvailableAndHasNoWindowInFront) {
  testsupport::qtApp();
  const std::unique_ptr<Desktop> desktop = makeDesktop();
  EXPECT_FALSE(desktop->available());
  const WindowId front = desktop->foregroundWindow();
  EXPECT_EQ(front, FailedWindow);
  EXPECT_EQ(desktop->processNameOfWindow(front), "null");
  EXPECT_EQ(desktop->windowTitle(0x400001), "");
  EXPECT_FALSE(desktop->isWindowVisible(0x400001));
  EXPECT_FALSE(desktop->switchToWindow(0x400001));
  desktop->sendKeys(KeySequence::SelectCopy); // goes nowhere, and does not fail
  EXPECT_GT(desktop->workArea().width, 0) << "the screen is still known";
}

} // namespace
} // namespace platform
