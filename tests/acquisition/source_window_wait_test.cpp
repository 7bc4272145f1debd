// Watching for the window of the application a file was handed to, on the
// scripted desktop and the virtual clock.
#include "acquisition/source_window_wait.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/fake_desktop.h"
#include "platform/virtual_clock.h"

namespace acquisition {
namespace {

using platform::FakeDesktop;
using platform::WindowId;

struct Shown {
  const char* executable;
  const char* title;
};

// The window in front changes every 100 ms as the case says; the watch looks
// every 100 ms for at most a second.
TEST(SourceWindowWatch, FindsTheWindowOrGivesUpAtTheLimit) {
  const struct {
    const char* path;
    const char* application;
    std::vector<Shown> inFront; // the window in front at the start and after each pause
    int foundAt;                // index into inFront of the window found; -1 when none is
  } cases[] = {
      {"/home/ann/notes.txt", "notepad", {{"mousepad", "notes.txt - Mousepad"}}, 0},
      {"/home/ann/Notes.TXT",
       "notepad",
       {{"xterm", "ann@host: ~"}, {"xterm", "notes - xterm"}, {"mousepad", "NOTES.TXT - Mousepad"}},
       2},
      {"/srv/guide.pdf",
       "acrord32",
       {{"mousepad", "notes.txt - Mousepad"}, {"evince", "guide.pdf"}},
       1},
      // The title names the file, but the application is not of the file's kind.
      {"/home/ann/notes.txt", "acrord32", {{"mousepad", "notes.txt - Mousepad"}}, -1},
      // An application of the right kind showing another document.
      {"/home/ann/notes.txt", "notepad", {{"mousepad", "todo.txt - Mousepad"}}, -1},
      {"/home/ann/r\xc3\xa9sum\xc3\xa9.txt",
       "notepad",
       {{"mousepad", "r\xc3\xa9sum\xc3\xa9.txt - Mousepad"}},
       0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path + std::string(" ") + c.inFront.back().title);
    FakeDesktop desktop;
    platform::VirtualClock clock;
    std::vector<WindowId> windows;
    for (const Shown& s : c.inFront)
      windows.push_back(desktop.addWindow(
          {s.title, s.executable, "", 3000 + static_cast<int>(windows.size()), s.executable}));
    std::vector<std::pair<WindowId, std::int64_t>> found;
    SourceWindowWatch watch(desktop, clock,
                            [&](WindowId w) { found.emplace_back(w, clock.nowMs()); });
    desktop.setForeground(windows.front());
    watch.watch(c.path, c.application, 100, 1000);
    for (std::size_t step = 1; step < windows.size() && watch.watching(); ++step) {
      clock.advance(50);
      desktop.setForeground(windows[step]);
      clock.advance(50);
    }
    clock.advance(2000);
    EXPECT_FALSE(watch.watching()) << "the watch outlived its limit";
    if (c.foundAt < 0)
      EXPECT_TRUE(found.empty());
    else
      EXPECT_EQ(found, (std::vector<std::pair<WindowId, std::int64_t>>{
                           {windows[static_cast<std::size_t>(c.foundAt)], c.foundAt * 100}}));
  }
}

// A window that comes after the limit is not taken; a new watch replaces the old.
TEST(SourceWindowWatch, ComesTooLateOrIsReplaced) {
  FakeDesktop desktop;
  platform::VirtualClock clock;
  const WindowId window =
      desktop.addWindow({"notes.txt - Mousepad", "mousepad", "", 3000, "mousepad"});
  std::vector<WindowId> found;
  SourceWindowWatch watch(desktop, clock, [&](WindowId w) { found.push_back(w); });
  watch.watch("/home/ann/notes.txt", "notepad", 100, 1000);
  clock.advance(1100);
  desktop.setForeground(window);
  clock.advance(1000);
  EXPECT_TRUE(found.empty());

  desktop.setForeground(platform::NoWindow);
  watch.watch("/home/ann/todo.txt", "notepad", 100, 1000);
  watch.watch("/home/ann/notes.txt", "notepad", 100, 1000);
  desktop.setForeground(window);
  clock.advance(100);
  EXPECT_EQ(found, std::vector<WindowId>{window});
}

} // namespace
} // namespace acquisition
