// Which windows the program reads from, asked about windows as the
// applications really show them (executable, class, title, role), and the
// watch for the window of the application a file was handed to, on the
// scripted desktop and the virtual clock.
#include "acquisition/source_applications.h"

#include <gtest/gtest.h>

#include <vector>

#include "acquisition/source_window_wait.h"
#include "platform/fake_desktop.h"
#include "platform/virtual_clock.h"

namespace acquisition {
namespace {

using platform::FakeDesktop;
using platform::WindowId;

struct Window {
  const char* executable;
  const char* className;
  const char* title; // UTF-8, as the window manager holds it
  const char* role;
  const char* kind; // the source it stands for; empty when it is not one
};

WindowId add(FakeDesktop& desktop, const Window& w, int process = 2000) {
  return desktop.addWindow({w.title, w.className, w.role, process, w.executable});
}

// One program of each kind stands for the rest of its rows; the rules of
// class, title and role have their cases on both sides.
TEST(SourceApplications, RecognisesTheWindow) {
  const Window cases[] = {
      {"NOTEPAD", "Notepad", "Untitled - Notepad", "", "notepad"},
      // The class is part of the test: an editor window of another class is not Notepad's.
      {"notepad", "Edit", "Untitled - Notepad", "", ""},
      {"mousepad", "Mousepad", "/home/ann/notes.txt - Mousepad", "", "notepad"},
      {"abiword", "Abiword", "letter.abw - AbiWord", "", "wordpad"},
      {"soffice.bin", "libreoffice-writer", "letter.odt - LibreOffice Writer", "", "winword"},
      // An older LibreOffice names every module's windows alike: the title tells.
      {"soffice.bin", "Soffice", "letter.odt - LibreOffice Writer", "", "winword"},
      {"soffice.bin", "libreoffice-calc", "budget.ods - LibreOffice Calc", "", ""},
      {"thunderbird", "thunderbird", "Re: the garden party - Mozilla Thunderbird", "messageWindow",
       "msimn"},
      {"thunderbird", "thunderbird", "Inbox - ann@example.org - Mozilla Thunderbird", "3pane", ""},
      {"geary", "Geary", "Re: the garden party", "", "msimn"},
      {"geary", "Geary", "Inbox \xe2\x80\x94 ann@example.org", "", ""},
      {"firefox", "firefox", "Lighthouses \xe2\x80\x94 Mozilla Firefox", "browser", "iexplore"},
      {"chromium", "Chromium", "GUIDE.PDF - Chromium", "browser", ""},
      {"okular", "okular", "guide.pdf \xe2\x80\x94 Okular", "", "acrord32"},
      // Another program that gives its window an editor's class.
      {"xterm", "Mousepad", "notes.txt - Mousepad", "", ""}};
  for (const Window& w : cases) {
    SCOPED_TRACE(std::string(w.executable) + " / " + w.title);
    FakeDesktop desktop;
    const WindowId window = add(desktop, w);
    const std::string processName = desktop.processNameOfWindow(window);
    EXPECT_EQ(sourceApplicationOf(desktop, processName, window), w.kind);
    EXPECT_EQ(isSupportedWindow(desktop, processName, window), *w.kind != '\0');
  }
}

TEST(SourceApplications, NeverTheProgramsOwnWindowNorAFailedForegroundQuestion) {
  FakeDesktop desktop;
  const Window editor{"mousepad", "Mousepad", "notes.txt - Mousepad", "", ""};
  const WindowId own = add(desktop, editor, FakeDesktop::ownProcess);
  EXPECT_EQ(sourceApplicationOf(desktop, "mousepad", own), "");

  desktop.setForeground(platform::FailedWindow);
  const WindowId front = desktop.foregroundWindow();
  EXPECT_FALSE(isSupportedWindow(desktop, "mousepad", front));
}

TEST(SourceApplications, OnlyTheFirst254CharactersOfATitleAreLookedAt) {
  FakeDesktop desktop;
  const std::string far = std::string(250, 'a') + " - guide.pdf";
  const std::string near = std::string(240, 'a') + " - guide.pdf";
  const WindowId farWindow = add(desktop, {"firefox", "firefox", far.c_str(), "", ""});
  const WindowId nearWindow = add(desktop, {"firefox", "firefox", near.c_str(), "", ""});
  EXPECT_TRUE(isSupportedWindow(desktop, "firefox", farWindow)) << "the .pdf lies past the buffer";
  EXPECT_FALSE(isSupportedWindow(desktop, "firefox", nearWindow));
}

TEST(BaseNameOf, GivesTheLowerCaseFileNameWithoutFolderOrExtension) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\Program Files\\Windows NT\\Accessories\\WORDPAD.EXE", "wordpad"},
      {"/usr/lib/libreoffice/program/soffice.bin", "soffice"},
      {"Report.Final.DOC", "report.final"},
      {"/home/ann/.hidden", ""}};
  for (const auto& [path, expected] : cases)
    EXPECT_EQ(baseNameOf(path), expected) << path;
}

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
      {"/home/ann/Notes.TXT",
       "notepad",
       {{"xterm", "ann@host: ~"}, {"xterm", "notes - xterm"}, {"mousepad", "NOTES.TXT - Mousepad"}},
       2},
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
