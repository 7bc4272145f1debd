// Waiting for the window of the application a file was handed to, on the
// scripted desktop: the window in front changes at each pause as a test's
// script says.
#include "acquisition/source_window_wait.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/fake_desktop.h"

namespace acquisition {
namespace {

using platform::FakeDesktop;
using platform::FakeWindow;
using platform::WindowId;

struct Shown {
  const char* executable;
  const char* title;
};

struct WaitCase {
  const char* name;
  const char* path;
  const char* application;
  std::vector<Shown> inFront; // the window in front at the start and after each pause
  int foundAt;                // index into inFront of the window found; -1 when none is
};

class SourceWindowWaitTest : public ::testing::TestWithParam<WaitCase> {};

TEST_P(SourceWindowWaitTest, FindsTheWindowOrGivesUpAtTheLimit) {
  const WaitCase& c = GetParam();
  FakeDesktop desktop;
  std::vector<WindowId> windows;
  int process = 3000;
  for (const Shown& s : c.inFront) {
    FakeWindow w;
    w.executable = s.executable;
    w.title = s.title;
    w.className = s.executable;
    w.processId = process++;
    windows.push_back(desktop.addWindow(w));
  }
  std::size_t step = 0;
  desktop.setForeground(windows.front());
  int waited = 0;
  SourceWindowWait wait;
  wait.pollMs = 100;
  wait.limitMs = 1000;
  wait.pause = [&](int ms) {
    waited += ms;
    if (step + 1 < windows.size()) desktop.setForeground(windows[++step]);
  };
  const WindowId found = waitForSourceWindow(desktop, c.path, c.application, wait);
  if (c.foundAt < 0) {
    EXPECT_EQ(found, platform::NoWindow);
    EXPECT_EQ(waited, wait.limitMs) << "the wait ends at its limit, not before, not after";
  } else {
    EXPECT_EQ(found, windows[static_cast<std::size_t>(c.foundAt)]);
    EXPECT_EQ(waited, c.foundAt * wait.pollMs);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, SourceWindowWaitTest,
    ::testing::Values(WaitCase{"EditorAlreadyInFront",
                               "/home/ann/notes.txt",
                               "notepad",
                               {{"mousepad", "notes.txt - Mousepad"}},
                               0},
                      WaitCase{"EditorAfterTheTerminal",
                               "/home/ann/Notes.TXT",
                               "notepad",
                               {{"xterm", "ann@host: ~"},
                                {"xterm", "notes - xterm"},
                                {"mousepad", "NOTES.TXT - Mousepad"}},
                               2},
                      WaitCase{"ViewerForAPdf",
                               "/srv/guide.pdf",
                               "acrord32",
                               {{"mousepad", "notes.txt - Mousepad"}, {"evince", "guide.pdf"}},
                               1},
                      // The title names the file, but the application is not of the file's kind.
                      WaitCase{"AnotherEditorKindNeverMatches",
                               "/home/ann/notes.txt",
                               "acrord32",
                               {{"mousepad", "notes.txt - Mousepad"}},
                               -1},
                      // An application of the right kind showing another document.
                      WaitCase{"OtherDocumentNeverMatches",
                               "/home/ann/notes.txt",
                               "notepad",
                               {{"mousepad", "todo.txt - Mousepad"}},
                               -1},
                      WaitCase{"UnicodeName",
                               "/home/ann/r\xc3\xa9sum\xc3\xa9.txt",
                               "notepad",
                               {{"mousepad", "r\xc3\xa9sum\xc3\xa9.txt - Mousepad"}},
                               0}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace acquisition
