#include "acquisition/source_applications.h"

#include <algorithm>
#include <cctype>

namespace acquisition {

namespace {

// What a row asks of the window's title (lower-cased) or role beyond the
// executable and the class.
enum class WindowTest {
  Any,
  // A PDF shown in a browser is not read from the browser.
  NoPdfInTitle,
  // Outlook's main window ends its title with the folder and " - microsoft
  // outlook"; its message windows do not.
  NotOutlookMainWindow,
  // LibreOffice runs every module in one process: only a Writer window holds
  // a word-processor document. Writer sets its class, and names itself at the
  // end of the title.
  WriterWindow,
  // Thunderbird shows a message opened on its own in a window of the role
  // "messageWindow" (its main window has "3pane", the composer "Msgcompose").
  ThunderbirdMessageWindow,
  // Claws Mail gives the window of a message opened on its own the role
  // "messageview" (its main window has "mainwindow").
  ClawsMessageWindow,
  // Evolution's main window is titled "<view> - Evolution"; a message opened
  // in its own window is titled with the message's subject.
  NotEvolutionMainWindow,
  // Geary's main window is titled "Geary" or "<folder> — <account>"; its
  // other windows (a composer or a conversation on its own) are not.
  NotGearyMainWindow,
};

struct SupportedApplication {
  const char* executable;  // lower-case file name of the executable
  const char* kind;        // the name the program knows the source by
  const char* windowClass; // required lower-case class; empty for any
  WindowTest test;
};

// The compatible applications. The first six rows are the Windows programs the
// document rules were written for; the rest are the Linux programs that stand
// for them.
constexpr SupportedApplication SupportedApplications[] = {
    {"iexplore", BrowserApp, "ieframe", WindowTest::NoPdfInTitle},
    {"wordpad", WordpadApp, "wordpadclass", WindowTest::Any},
    {"notepad", NotepadApp, "notepad", WindowTest::Any},
    {"winword", WordApp, "opusapp", WindowTest::Any},
    {"outlook", OutlookApp, "rctrl_renwnd32", WindowTest::NotOutlookMainWindow},
    {"msimn", OutlookExpressApp, "ath_note", WindowTest::Any},
    // Plain-text editors.
    {"gedit", NotepadApp, "", WindowTest::Any},
    {"gnome-text-editor", NotepadApp, "", WindowTest::Any},
    {"mousepad", NotepadApp, "", WindowTest::Any},
    {"xed", NotepadApp, "", WindowTest::Any},
    {"pluma", NotepadApp, "", WindowTest::Any},
    {"kwrite", NotepadApp, "", WindowTest::Any},
    {"kate", NotepadApp, "", WindowTest::Any},
    {"featherpad", NotepadApp, "", WindowTest::Any},
    {"leafpad", NotepadApp, "", WindowTest::Any},
    {"l3afpad", NotepadApp, "", WindowTest::Any},
    {"geany", NotepadApp, "", WindowTest::Any},
    // Simple word processors.
    {"abiword", WordpadApp, "", WindowTest::Any},
    {"focuswriter", WordpadApp, "", WindowTest::Any},
    // Word processors.
    {"soffice.bin", WordApp, "", WindowTest::WriterWindow},
    {"soffice", WordApp, "", WindowTest::WriterWindow},
    {"libreoffice", WordApp, "", WindowTest::WriterWindow},
    {"calligrawords", WordApp, "", WindowTest::Any},
    // Mail readers: a message window, not the main window.
    {"thunderbird", OutlookExpressApp, "", WindowTest::ThunderbirdMessageWindow},
    {"thunderbird-bin", OutlookExpressApp, "", WindowTest::ThunderbirdMessageWindow},
    {"evolution", OutlookExpressApp, "", WindowTest::NotEvolutionMainWindow},
    {"claws-mail", OutlookExpressApp, "", WindowTest::ClawsMessageWindow},
    {"geary", OutlookExpressApp, "", WindowTest::NotGearyMainWindow},
    // Web browsers.
    {"firefox", BrowserApp, "", WindowTest::NoPdfInTitle},
    {"firefox-esr", BrowserApp, "", WindowTest::NoPdfInTitle},
    {"firefox-bin", BrowserApp, "", WindowTest::NoPdfInTitle},
    {"chromium", BrowserApp, "", WindowTest::NoPdfInTitle},
    {"chrome", BrowserApp, "", WindowTest::NoPdfInTitle},
    {"epiphany", BrowserApp, "", WindowTest::NoPdfInTitle},
    {"epiphany-browser", BrowserApp, "", WindowTest::NoPdfInTitle},
    {"falkon", BrowserApp, "", WindowTest::NoPdfInTitle},
    {"konqueror", BrowserApp, "", WindowTest::NoPdfInTitle},
    // PDF viewers: the file behind the window is read.
    {"evince", AcrobatReaderApp, "", WindowTest::Any},
    {"okular", AcrobatReaderApp, "", WindowTest::Any},
    {"atril", AcrobatReaderApp, "", WindowTest::Any},
    {"xreader", AcrobatReaderApp, "", WindowTest::Any},
    {"qpdfview", AcrobatReaderApp, "", WindowTest::Any},
    {"zathura", AcrobatReaderApp, "", WindowTest::Any},
    {"mupdf", AcrobatReaderApp, "", WindowTest::Any},
    {"mupdf-x11", AcrobatReaderApp, "", WindowTest::Any},
    {"mupdf-gl", AcrobatReaderApp, "", WindowTest::Any},
};

std::string lowerCased(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

// The titles as the window gives them, lower-cased in code page 1252 (an em
// dash is byte 0x97).
constexpr std::string_view GearyMainTitle = "geary";
constexpr std::string_view GearyTitleSeparator = " \x97 ";
// Titles are read into a buffer of 255 characters, the last one the end mark.
constexpr std::size_t TitleLimit = 254;

struct WindowFacts {
  std::string className;
  std::string title;
  std::string role;
};

bool passes(WindowTest test, const WindowFacts& w) {
  switch (test) {
  case WindowTest::Any:
    return true;
  case WindowTest::NoPdfInTitle:
    return w.title.find(".pdf") == std::string::npos;
  case WindowTest::NotOutlookMainWindow:
    return !w.title.ends_with(" - microsoft outlook");
  case WindowTest::WriterWindow:
    return w.className == "libreoffice-writer" || w.title.ends_with(" - libreoffice writer");
  case WindowTest::ThunderbirdMessageWindow:
    return w.role == "messagewindow";
  case WindowTest::ClawsMessageWindow:
    return w.role == "messageview";
  case WindowTest::NotEvolutionMainWindow:
    return !w.title.ends_with(" - evolution");
  case WindowTest::NotGearyMainWindow:
    return w.title != GearyMainTitle && w.title.find(GearyTitleSeparator) == std::string::npos;
  }
  return false;
}

} // namespace

std::string baseNameOf(std::string_view path) {
  const auto folderEnd = path.find_last_of("/\\");
  std::string_view name = folderEnd == std::string_view::npos ? path : path.substr(folderEnd + 1);
  const auto dot = name.rfind('.');
  if (dot != std::string_view::npos) name = name.substr(0, dot);
  return lowerCased(name);
}

std::string sourceApplicationOf(platform::Desktop& desktop, std::string_view processName,
                                WindowHandle window) {
  if (window <= 0) return {};
  const std::string executable = lowerCased(processName);
  const auto row =
      std::find_if(std::begin(SupportedApplications), std::end(SupportedApplications),
                   [&](const SupportedApplication& a) { return executable == a.executable; });
  if (row == std::end(SupportedApplications)) return {};
  if (desktop.isOwnWindow(window)) return {};
  WindowFacts facts;
  facts.className = desktop.windowClassName(window);
  facts.title = lowerCased(desktop.windowTitle(window).substr(0, TitleLimit));
  facts.role = desktop.windowRole(window);
  if (*row->windowClass && facts.className != row->windowClass) return {};
  if (!passes(row->test, facts)) return {};
  return row->kind;
}

bool isSupportedWindow(platform::Desktop& desktop, std::string_view processName,
                       WindowHandle window) {
  return !sourceApplicationOf(desktop, processName, window).empty();
}

} // namespace acquisition
