// Which windows the program reads from, asked about windows as the
// applications really show them (executable, class, title, role), on the
// scripted desktop.
#include "acquisition/source_applications.h"

#include <gtest/gtest.h>

#include "platform/fake_desktop.h"

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

// Of the programs whose every window is a source, a few stand for the rest (a
// row each would copy the table); every test of class, title or role has its
// cases in full.
TEST(SourceApplications, RecognisesTheWindow) {
  const Window cases[] = {
      // The Windows applications the document rules were written for.
      {"NOTEPAD", "Notepad", "Untitled - Notepad", "", "notepad"},
      {"OUTLOOK", "rctrl_renwnd32", "Meeting on Friday - Message (HTML)", "", "outlook"},
      {"OUTLOOK", "rctrl_renwnd32", "Inbox - Microsoft Outlook", "", ""},
      {"IEXPLORE", "IEFrame", "Lighthouses - Microsoft Internet Explorer", "", "iexplore"},
      {"IEXPLORE", "IEFrame", "http://example.org/guide.pdf - Microsoft Internet Explorer", "", ""},
      // The class is part of the test: an editor window of another class is not Notepad's.
      {"notepad", "Edit", "Untitled - Notepad", "", ""},
      {"gedit", "Gedit", "notes.txt (~/Documents) - gedit", "", "notepad"},
      {"mousepad", "Mousepad", "/home/ann/notes.txt - Mousepad", "", "notepad"},
      {"abiword", "Abiword", "letter.abw - AbiWord", "", "wordpad"},
      {"soffice.bin", "libreoffice-writer", "letter.odt - LibreOffice Writer", "", "winword"},
      // An older LibreOffice names every module's windows alike: the title tells.
      {"soffice.bin", "Soffice", "letter.odt - LibreOffice Writer", "", "winword"},
      {"soffice.bin", "libreoffice-calc", "budget.ods - LibreOffice Calc", "", ""},
      {"soffice.bin", "libreoffice-startcenter", "LibreOffice", "", ""},
      {"thunderbird", "thunderbird", "Re: the garden party - Mozilla Thunderbird", "messageWindow",
       "msimn"},
      {"thunderbird", "thunderbird", "Inbox - ann@example.org - Mozilla Thunderbird", "3pane", ""},
      {"thunderbird", "thunderbird", "Write: Re: the garden party - Thunderbird", "Msgcompose", ""},
      {"evolution", "Evolution", "Re: the garden party", "", "msimn"},
      {"evolution", "Evolution", "Mail - Evolution", "", ""},
      {"claws-mail", "Claws-mail", "Claws Mail - Message View", "messageview", "msimn"},
      {"claws-mail", "Claws-mail", "Claws Mail 4.1.1", "mainwindow", ""},
      {"geary", "Geary", "Re: the garden party", "", "msimn"},
      {"geary", "Geary", "Inbox \xe2\x80\x94 ann@example.org", "", ""},
      {"geary", "Geary", "Geary", "", ""},
      {"firefox", "firefox", "Lighthouses \xe2\x80\x94 Mozilla Firefox", "browser", "iexplore"},
      {"firefox-esr", "firefox-esr", "guide.pdf \xe2\x80\x94 Mozilla Firefox", "browser", ""},
      {"chromium", "Chromium", "GUIDE.PDF - Chromium", "browser", ""},
      {"okular", "okular", "guide.pdf \xe2\x80\x94 Okular", "", "acrord32"},
      // Windows that look like a compatible application's but are not: another
      // program that gives its window an editor's class, the editor started from
      // an executable of another name.
      {"xterm", "Mousepad", "notes.txt - Mousepad", "", ""},
      {"mypad", "Mousepad", "notes.txt - Mousepad", "", ""},
      {"xterm", "XTerm", "ann@desk: ~", "", ""},
      {"lumetra", "lumetra", "Lumetra", "", ""},
      {"", "Gedit", "notes.txt - gedit", "", ""}};
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
  EXPECT_FALSE(isSupportedWindow(desktop, desktop.processNameOfWindow(own), own));

  add(desktop, editor);
  desktop.setForeground(platform::FailedWindow);
  const WindowId front = desktop.foregroundWindow();
  const std::string processName = desktop.processNameOfWindow(front);
  EXPECT_EQ(processName, "null");
  EXPECT_FALSE(isSupportedWindow(desktop, processName, front));
  EXPECT_FALSE(isSupportedWindow(desktop, "mousepad", front));
  EXPECT_FALSE(isSupportedWindow(desktop, "mousepad", platform::NoWindow));
}

TEST(SourceApplications, TheNameGivenIsTheOneTested) {
  // The caller passes the process name; a window of a text editor asked about
  // under a browser's name is judged as a browser's.
  FakeDesktop desktop;
  const WindowId window = add(desktop, {"gedit", "Gedit", "guide.pdf - gedit", "", ""});
  EXPECT_EQ(sourceApplicationOf(desktop, "gedit", window), "notepad");
  EXPECT_EQ(sourceApplicationOf(desktop, "FIREFOX", window), "");
  EXPECT_EQ(sourceApplicationOf(desktop, "chromium", window), "");
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
      {"/home/ann/.hidden", ""},
      {"", ""}};
  for (const auto& [path, expected] : cases)
    EXPECT_EQ(baseNameOf(path), expected) << path;
}

} // namespace
} // namespace acquisition
