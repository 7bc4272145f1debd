// Which windows the program reads from, asked about windows as the
// applications really show them (executable, class, title, role), on the
// scripted desktop.
#include "acquisition/source_applications.h"

#include <gtest/gtest.h>

#include "platform/fake_desktop.h"

namespace acquisition {
namespace {

using platform::FakeDesktop;
using platform::FakeWindow;

struct Window {
  const char* executable;
  const char* className;
  const char* title; // UTF-8, as the window manager holds it
  const char* role;
  const char* kind; // the source it stands for; empty when it is not one
};

class SourceApplicationsTest : public ::testing::TestWithParam<Window> {
protected:
  platform::WindowId add(const Window& w, int processId = 0) {
    FakeWindow window;
    window.executable = w.executable;
    window.className = w.className;
    window.title = w.title;
    window.role = w.role;
    window.processId = processId ? processId : nextProcess++;
    return desktop.addWindow(window);
  }

  FakeDesktop desktop;
  int nextProcess = 2000;
};

TEST_P(SourceApplicationsTest, RecognisesTheWindow) {
  const Window& w = GetParam();
  const platform::WindowId window = add(w);
  const std::string processName = desktop.processNameOfWindow(window);
  EXPECT_EQ(sourceApplicationOf(desktop, processName, window), w.kind);
  EXPECT_EQ(isSupportedWindow(desktop, processName, window), *w.kind != '\0');
}

// The Windows applications the document rules were written for.
INSTANTIATE_TEST_SUITE_P(
    WindowsApplications, SourceApplicationsTest,
    ::testing::Values(
        Window{"NOTEPAD", "Notepad", "Untitled - Notepad", "", "notepad"},
        Window{"notepad", "Notepad", "", "", "notepad"},
        Window{"wordpad", "WordPadClass", "Document - WordPad", "", "wordpad"},
        Window{"WINWORD", "OpusApp", "Report.doc - Microsoft Word", "", "winword"},
        Window{"OUTLOOK", "rctrl_renwnd32", "Meeting on Friday - Message (HTML)", "", "outlook"},
        Window{"OUTLOOK", "rctrl_renwnd32", "Inbox - Microsoft Outlook", "", ""},
        Window{"msimn", "ATH_Note", "Re: the garden party", "", "msimn"},
        Window{"IEXPLORE", "IEFrame", "Lighthouses - Microsoft Internet Explorer", "", "iexplore"},
        Window{"IEXPLORE", "IEFrame", "http://example.org/guide.pdf - Microsoft Internet Explorer",
               "", ""},
        // The class is part of the test: an editor window of another class is not Notepad's.
        Window{"notepad", "Edit", "Untitled - Notepad", "", ""},
        Window{"acrord32", "AcrobatSDIWindow", "guide.pdf - Adobe Reader", "", ""}));

// Of the programs whose every window is a source, a few stand for the rest
// (a row each would copy the table); the programs with a test of their own
// (class, title, role) have their cases in full.
INSTANTIATE_TEST_SUITE_P(
    PlainTextEditors, SourceApplicationsTest,
    ::testing::Values(Window{"gedit", "Gedit", "notes.txt (~/Documents) - gedit", "", "notepad"},
                      Window{"mousepad", "Mousepad", "/home/ann/notes.txt - Mousepad", "",
                             "notepad"},
                      Window{"kwrite", "kwrite", "notes.txt \xe2\x80\x94 KWrite", "", "notepad"},
                      Window{"geany", "Geany", "notes.txt - /home/ann - Geany", "", "notepad"}));

INSTANTIATE_TEST_SUITE_P(
    WordProcessors, SourceApplicationsTest,
    ::testing::Values(
        Window{"abiword", "Abiword", "letter.abw - AbiWord", "", "wordpad"},
        Window{"soffice.bin", "libreoffice-writer", "letter.odt - LibreOffice Writer", "",
               "winword"},
        // An older LibreOffice names every module's windows alike: the title tells.
        Window{"soffice.bin", "Soffice", "letter.odt - LibreOffice Writer", "", "winword"},
        Window{"soffice", "libreoffice-writer", "Untitled 1 - LibreOffice Writer", "", "winword"},
        Window{"libreoffice", "libreoffice-writer", "report.docx - LibreOffice Writer", "",
               "winword"},
        Window{"soffice.bin", "libreoffice-calc", "budget.ods - LibreOffice Calc", "", ""},
        Window{"soffice.bin", "libreoffice-startcenter", "LibreOffice", "", ""}));

INSTANTIATE_TEST_SUITE_P(
    MailReaders, SourceApplicationsTest,
    ::testing::Values(
        Window{"thunderbird", "thunderbird", "Re: the garden party - Mozilla Thunderbird",
               "messageWindow", "msimn"},
        Window{"thunderbird", "thunderbird", "Inbox - ann@example.org - Mozilla Thunderbird",
               "3pane", ""},
        Window{"thunderbird", "thunderbird", "Write: Re: the garden party - Thunderbird",
               "Msgcompose", ""},
        Window{"evolution", "Evolution", "Re: the garden party", "", "msimn"},
        Window{"evolution", "Evolution", "Mail - Evolution", "", ""},
        Window{"claws-mail", "Claws-mail", "Claws Mail - Message View", "messageview", "msimn"},
        Window{"claws-mail", "Claws-mail", "Claws Mail 4.1.1", "mainwindow", ""},
        Window{"geary", "Geary", "Re: the garden party", "", "msimn"},
        Window{"geary", "Geary", "Inbox \xe2\x80\x94 ann@example.org", "", ""},
        Window{"geary", "Geary", "Geary", "", ""}));

INSTANTIATE_TEST_SUITE_P(
    WebBrowsers, SourceApplicationsTest,
    ::testing::Values(
        Window{"firefox", "firefox", "Lighthouses \xe2\x80\x94 Mozilla Firefox", "browser",
               "iexplore"},
        Window{"firefox-esr", "firefox-esr", "guide.pdf \xe2\x80\x94 Mozilla Firefox", "browser",
               ""},
        Window{"chromium", "Chromium", "Lighthouses - Chromium", "browser", "iexplore"},
        Window{"chromium", "Chromium", "GUIDE.PDF - Chromium", "browser", ""},
        Window{"konqueror", "konqueror", "Lighthouses \xe2\x80\x94 Konqueror", "", "iexplore"}));

INSTANTIATE_TEST_SUITE_P(
    PdfViewers, SourceApplicationsTest,
    ::testing::Values(Window{"evince", "Evince", "guide.pdf", "", "acrord32"},
                      Window{"okular", "okular", "guide.pdf \xe2\x80\x94 Okular", "", "acrord32"},
                      Window{"mupdf-x11", "MuPDF", "guide.pdf - 1/12 (96 dpi)", "", "acrord32"}));

// Windows that look like a compatible application's but are not.
INSTANTIATE_TEST_SUITE_P(Impostors, SourceApplicationsTest,
                         ::testing::Values(
                             // Another program that gives its window an editor's class.
                             Window{"xterm", "Mousepad", "notes.txt - Mousepad", "", ""},
                             // The editor started from an executable of another name.
                             Window{"mypad", "Mousepad", "notes.txt - Mousepad", "", ""},
                             Window{"xterm", "XTerm", "ann@desk: ~", "", ""},
                             Window{"lumetra", "lumetra", "Lumetra", "", ""},
                             Window{"", "Gedit", "notes.txt - gedit", "", ""}));

TEST_F(SourceApplicationsTest, TheProgramsOwnWindowIsNeverASource) {
  const platform::WindowId own =
      add(Window{"mousepad", "Mousepad", "notes.txt - Mousepad", "", ""}, FakeDesktop::ownProcess);
  EXPECT_EQ(sourceApplicationOf(desktop, "mousepad", own), "");
  EXPECT_FALSE(isSupportedWindow(desktop, desktop.processNameOfWindow(own), own));
}

TEST_F(SourceApplicationsTest, AFailedForegroundQuestionSupportsNothing) {
  add(Window{"mousepad", "Mousepad", "notes.txt - Mousepad", "", ""});
  desktop.setForeground(platform::FailedWindow);
  const platform::WindowId front = desktop.foregroundWindow();
  const std::string processName = desktop.processNameOfWindow(front);
  EXPECT_EQ(processName, "null");
  EXPECT_FALSE(isSupportedWindow(desktop, processName, front));
  EXPECT_FALSE(isSupportedWindow(desktop, "mousepad", front));
  EXPECT_FALSE(isSupportedWindow(desktop, "mousepad", platform::NoWindow));
}

TEST_F(SourceApplicationsTest, TheNameGivenIsTheOneTested) {
  // The caller passes the process name; a window of a text editor asked about
  // under a browser's name is judged as a browser's.
  const platform::WindowId window = add(Window{"gedit", "Gedit", "guide.pdf - gedit", "", ""});
  EXPECT_EQ(sourceApplicationOf(desktop, "gedit", window), "notepad");
  EXPECT_EQ(sourceApplicationOf(desktop, "FIREFOX", window), "");
  EXPECT_EQ(sourceApplicationOf(desktop, "chromium", window), "");
}

TEST_F(SourceApplicationsTest, OnlyTheFirst254CharactersOfATitleAreLookedAt) {
  const std::string longTitle = std::string(250, 'a') + " - guide.pdf";
  FakeWindow browser;
  browser.executable = "firefox";
  browser.className = "firefox";
  browser.processId = 3000;
  browser.title = longTitle;
  const platform::WindowId far = desktop.addWindow(browser);
  browser.title = std::string(240, 'a') + " - guide.pdf";
  const platform::WindowId near = desktop.addWindow(browser);
  EXPECT_TRUE(isSupportedWindow(desktop, "firefox", far)) << "the .pdf lies past the buffer";
  EXPECT_FALSE(isSupportedWindow(desktop, "firefox", near));
}

TEST(BaseNameOfTest, GivesTheLowerCaseFileNameWithoutFolderOrExtension) {
  struct Case {
    const char* path;
    const char* expected;
  };
  for (const auto& [path, expected] : {
           Case{"C:\\Program Files\\Windows NT\\Accessories\\WORDPAD.EXE", "wordpad"},
           Case{"C:\\WINDOWS\\system32\\notepad.exe", "notepad"},
           Case{"/usr/lib/libreoffice/program/soffice.bin", "soffice"},
           Case{"/usr/bin/mousepad", "mousepad"},
           Case{"Report.Final.DOC", "report.final"},
           Case{"/home/ann/.hidden", ""},
           Case{"", ""},
       }) {
    EXPECT_EQ(baseNameOf(path), expected) << path;
  }
}

} // namespace
} // namespace acquisition
