// Capture from other applications' windows on the scripted desktop, with the
// user's clipboard always put back; the desktop's recently-used list.
#include "acquisition/capture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "acquisition/document_names.h"
#include "document_files.h"
#include "hand_over_rig.h"
#include "platform/fake_desktop.h"
#include "platform/files.h"
#include "platform/recently_used.h"

namespace acquisition {
namespace {

using engine::EmptyDocumentText;
using platform::DesktopInput;
using platform::FakeDesktop;
using platform::FakeWindow;
using platform::Key;
using platform::WindowId;
using K = engine::SourceKind;
using Paths = std::vector<std::string>;

// The clipboard the user had before every capture: text, HTML and a format of
// another program's own.
const platform::ClipboardContents UserClipboard{
    {{"text/plain", "the user's own words"},
     {"text/html", "<b>the user's own words</b>"},
     {"application/x-drawing", std::string("\x00\x01\xff", 3)}}};

const platform::WindowGeometry EditorPlace{{100, 50, 600, 430}, {104, 74, 592, 402}};

class CaptureTest : public testing::DocumentFolderTest {
protected:
  void SetUp() override {
    desktop.setClipboardFormats(UserClipboard);
    addCaptureExtractions(rig.handOver.extractions, context);
  }
  WindowId addApplication(const std::string& executable, const std::string& title,
                          int process = 700) {
    const WindowId id = desktop.addWindow({title, "", "", process, executable, EditorPlace});
    desktop.setForeground(id);
    return id;
  }
  // Captures `window`, which must be handed over with the user's clipboard put back.
  void capture(WindowId window) {
    ASSERT_TRUE(captureFromWindow(rig.handOver, context, window).handedOver);
    EXPECT_EQ(desktop.clipboard(), UserClipboard);
  }
  long keyDowns(Key key) const {
    return std::count(desktop.input().begin(), desktop.input().end(),
                      DesktopInput{DesktopInput::KeyDown, key});
  }
  const std::string& text() const { return rig.engineState.DocumentText; }
  const std::string& name() const { return rig.acquisition.CurrentDocument; }

  FakeDesktop desktop;
  Paths recent;
  CaptureContext context{desktop, [this] { return recent; }};
  testing::HandOverRig rig;
};

TEST(DocumentTitleParts, TakesOffTheApplicationMarksAndTheFolder) {
  const std::pair<std::string, TitleParts> cases[] = {
      {"notes.txt - Mousepad", {"notes.txt", ""}},
      {"notes.txt [Modified] \x97 Kate", {"notes.txt", ""}},
      {"*notes.txt (~/letters) - gedit", {"notes.txt", "~/letters"}},
      {"a - b.txt - Mousepad", {"a - b.txt", ""}},
      {"/home/ann/report.pdf", {"/home/ann/report.pdf", ""}},
      {"notes (draft).txt - Mousepad", {"notes (draft).txt", ""}},
      {"report.pdf \x96 Document Viewer", {"report.pdf", ""}},
      {"  ", {"", ""}}};
  for (const auto& [title, parts] : cases)
    EXPECT_EQ(documentTitleParts(title), parts) << title;
}

TEST(FileMatchesCapturedText, FiveCharactersApartOrABlankFile) {
  const std::tuple<std::string, std::string, bool> cases[] = {
      {"abcdefghij", "abcde", true},  {"abcdefghijk", "abcde", false},
      {"abc", "abcdefgh", true},      {"ab", "abcdefgh", false},
      {"  \r\r abc \r", "abc", true}, {" \r\t ", "a long text of the window", true}};
  for (const auto& [file, text, matches] : cases)
    EXPECT_EQ(fileMatchesCapturedText(file, text), matches) << file << " / " << text;
}

TEST_F(CaptureTest, ASavedEditorFileIsReadFromDiskNotFromTheWindow) {
  const std::string path = write("letter.txt", "Dear Ann,\r\nthe file as saved.\r\n");
  const std::pair<std::string, Paths> cases[] = {
      {"*" + path + " - Mousepad", {}},                      // path in the title
      {"letter.txt (" + folder_.string() + ") - gedit", {}}, // folder in the title
      {"*letter.txt - Mousepad", {path}}};                   // recently used
  for (const auto& [title, files] : cases) {
    SCOPED_TRACE(title);
    recent = files;
    const WindowId editor = addApplication("mousepad", title);
    desktop.answerCopies(editor, "Dear Ann,\nthe file as edited.\n");
    capture(editor);
    EXPECT_EQ(name(), path);
    EXPECT_EQ(text(), "Dear Ann,\rthe file as saved.");
    const AcquisitionState& a = rig.acquisition;
    EXPECT_EQ(std::tuple(a.SourceApplication, a.SourceKind, a.SourceWindow, a.SavedSourceWindow),
              std::tuple("notepad", K::PlainText, editor, editor));
  }
  // Only the recently-used case needed the window's text for the length rule.
  EXPECT_EQ(keyDowns(Key::C), 1);
}

TEST_F(CaptureTest, AnUnsavedEditorGivesTheClipboardTextAsTheSpecialDocument) {
  recent = {write("Untitled 1.txt", "something else entirely, and much longer than that")};
  const WindowId editor = addApplication("mousepad", "Untitled 1 - Mousepad");
  desktop.answerCopies(editor, "Typed but\nnever saved.\n", std::nullopt, 300);
  capture(editor);
  EXPECT_EQ(name(), SpecialDocumentName);
  EXPECT_EQ(text(), "Typed but\rnever saved.");
  EXPECT_EQ(keyDowns(Key::C), 1) << "the text copied for the name is the text read";
  EXPECT_GE(desktop.waitedMs(), 300);
  EXPECT_LT(desktop.waitedMs(), 1000);
}

TEST_F(CaptureTest, OfTwoRecentFilesTheFirstInListOrderWithinFiveCharactersWins) {
  const std::string typed = "Meeting notes: twelve people came.";
  const std::string far = write("notes-old.txt", typed + " And then a long list of names.");
  const std::string near1 = write("notes-a.txt", "Meeting notes: ten people came.");
  const std::string near2 = write("notes-b.txt", typed);
  const std::string other = write("agenda.txt", typed);
  const std::pair<Paths, std::string> cases[] = {{{other, far, near1, near2}, near1},
                                                 {{near2, near1}, near2},
                                                 {{far, other}, SpecialDocumentName},
                                                 {{path("notes-gone.txt"), near2}, near2}};
  for (const auto& [files, expected] : cases) {
    recent = files;
    const WindowId editor = addApplication("gedit", "notes - gedit");
    desktop.answerCopies(editor, typed);
    capture(editor);
    EXPECT_EQ(name(), expected);
  }
}

TEST_F(CaptureTest, AnEditorThatNeverCopiesGivesTheEmptyDocumentWithinTheWait) {
  recent = {write("draft.txt", "a draft far longer than five characters")};
  capture(addApplication("mousepad", "draft.txt - Mousepad"));
  EXPECT_EQ(name(), SpecialDocumentName);
  EXPECT_EQ(text(), EmptyDocumentText);
  // One bounded wait: the document's text is the copy the name was looked for with.
  EXPECT_GE(desktop.waitedMs(), platform::CopyWaitMs);
  EXPECT_LE(desktop.waitedMs(), platform::CopyWaitMs + 100);
}

TEST_F(CaptureTest, AnEditorsTextThroughTheAccessibilityInterfaceNeedsNoKeys) {
  std::vector<int> asked;
  context.accessibleText = [&](int process) -> std::optional<std::string> {
    asked.push_back(process);
    if (process == 700) return "Notes read\rwithout a key.";
    if (process == 701) return " \r ";
    return std::nullopt;
  };
  const std::string saved = write("minutes.txt", "Notes read\r\nwithout keys.\r\n");
  const std::string keyed = "copied with keys";
  const std::tuple<int, std::string, Paths, std::string, std::string, bool> cases[] = {
      {700, "Untitled 1 - Mousepad", {}, SpecialDocumentName, "Notes read\rwithout a key.", false},
      {700, "minutes - Mousepad", {saved}, saved, "Notes read\rwithout keys.", false},
      // Blank or no accessible text: the keys and the clipboard.
      {701, "Untitled 2 - Mousepad", {}, SpecialDocumentName, keyed, true},
      {702, "Untitled 3 - Mousepad", {}, SpecialDocumentName, keyed, true}};
  for (const auto& [process, title, files, expectedName, expectedText, keys] : cases) {
    SCOPED_TRACE(title);
    recent = files;
    const std::size_t inputBefore = desktop.input().size();
    const WindowId editor = addApplication("mousepad", title, process);
    desktop.answerCopies(editor, keyed);
    capture(editor);
    EXPECT_EQ(std::tuple(name(), text()), std::tuple(expectedName, expectedText));
    EXPECT_EQ(desktop.input().size() > inputBefore, keys);
    EXPECT_EQ(asked.back(), process);
    // Until keys are sent, the user's program still holds its clipboard.
    EXPECT_EQ(desktop.clipboardHeldByOther(), !keys);
  }
}

TEST_F(CaptureTest, KeysFollowTheReleaseOfHeldModifiersAndGoOnlyToTheWindowInFront) {
  const WindowId editor = addApplication("mousepad", "Untitled 2 - Mousepad");
  desktop.answerCopies(editor, "hello");
  desktop.setHeldModifiers({Key::Control, Key::Super});
  capture(editor);
  const std::vector<DesktopInput> first3(desktop.input().begin(), desktop.input().begin() + 3);
  EXPECT_EQ(first3, (std::vector<DesktopInput>{{DesktopInput::KeyUp, Key::Control},
                                               {DesktopInput::KeyUp, Key::Super},
                                               {DesktopInput::KeyDown, Key::Control}}));
  EXPECT_EQ(text(), "hello");

  // An editor that does not come to the front gets no keys: they would go to
  // the window that is there.
  desktop.setHeldModifiers({});
  const std::size_t sent = desktop.input().size();
  FakeWindow stubborn{"Untitled 3 - Mousepad", "mousepad", "", 801, "mousepad"};
  stubborn.refusesFocus = true;
  const WindowId stubbornId = desktop.addWindow(stubborn);
  desktop.answerCopies(addApplication("xterm", "bash", 800), "^C");
  capture(stubbornId);
  EXPECT_EQ(desktop.input().size(), sent);
  EXPECT_EQ(text(), EmptyDocumentText);
}

TEST_F(CaptureTest, AWindowOfNoCompatibleApplicationChangesNothing) {
  rig.captureText("/tmp/before.txt", "The document before.");
  const auto before = rig.snapshot();
  for (const WindowId window : {addApplication("xterm", "bash"), WindowId{0}}) {
    const CaptureOutcome outcome = captureFromWindow(rig.handOver, context, window);
    EXPECT_FALSE(outcome.handedOver);
    EXPECT_EQ(outcome.problem, UnsupportedWindowMessage);
    EXPECT_EQ(rig.snapshot(), before);
  }
  EXPECT_TRUE(desktop.input().empty());
  EXPECT_EQ(desktop.clipboard(), UserClipboard);
}

// The file's text reaches the engine with its marks and its heading test.
TEST_F(CaptureTest, AWordProcessorDocumentIsReadFromItsFile) {
  const std::string path = write(
      "report.docx",
      testing::docx(R"(<w:p><w:r><w:rPr><w:sz w:val="40"/></w:rPr><w:t>Report</w:t></w:r></w:p>)"
                    "<w:tbl><w:tr><w:tc><w:p><w:r><w:t>cell</w:t></w:r></w:p></w:tc></w:tr>"
                    "</w:tbl><w:p><w:r><w:t>Body text.</w:t></w:r><w:r><w:drawing/></w:r></w:p>"));
  recent = {write("report.docx.txt", "a text file of a name that begins the same"), path};
  const WindowId writer = addApplication("soffice.bin", "report.docx - LibreOffice Writer");
  desktop.answerCopies(writer, "the window's text");
  capture(writer);
  EXPECT_EQ(name(), path);
  EXPECT_EQ(std::tuple(rig.acquisition.SourceApplication, rig.acquisition.SourceKind, text()),
            std::tuple("winword", K::Word, "Report\r\rBody text."));
  EXPECT_EQ(rig.engineState.GraphicPositions,
            (std::vector<engine::GraphicPosition>{{9, 0}, {18, -1}}));
  const auto& larger = rig.textEngine.callbacks().headingFontLarger;
  ASSERT_TRUE(larger);
  EXPECT_TRUE(larger("Report"));
  EXPECT_FALSE(larger("Body text."));
  EXPECT_TRUE(desktop.input().empty()) << "a saved document needs no keys";
}

TEST_F(CaptureTest, APdfViewerGivesThePdfBehindItsWindow) {
  const std::string path = this->path("paper.pdf");
  testing::writePdf(path, {{{72, 100, "Abstract of the paper"}}, {{72, 100, "Second page"}}});
  const std::tuple<std::string, Paths, std::string> cases[] = {
      {path, {}, path},
      {"paper.pdf \xe2\x80\x94 Okular", {write("paper.pdf.txt", "x"), path}, path},
      {"A title from the PDF's metadata", {path}, SpecialDocumentName}};
  for (const auto& [title, files, expectedName] : cases) {
    SCOPED_TRACE(title);
    recent = files;
    capture(addApplication("okular", title));
    EXPECT_EQ(name(), expectedName);
    EXPECT_EQ(rig.acquisition.SourceKind, K::Pdf);
    EXPECT_EQ(text(),
              expectedName == path ? "Abstract of the paper\r\r\rSecond page" : EmptyDocumentText);
    EXPECT_TRUE(desktop.input().empty());
  }
}

// A page as a browser puts it on the clipboard; what the conversion keeps and
// drops is html_to_text_test's, here that the capture uses it.
TEST_F(CaptureTest, AWebPageIsCopiedAsHtmlAndReadAsTextWithoutItsMenus) {
  const WindowId browser =
      addApplication("firefox-esr", "Harbour Gazette \xe2\x80\x94 Mozilla Firefox");
  desktop.setPointer(5, 6);
  desktop.answerCopies(browser, "plain text that is not used",
                       "<html><head><title>Harbour Gazette</title></head><body>"
                       "<!--StartFragment--><div class=\"nav\"><a href=\"/\">Home</a> "
                       "<a href=\"/sport\">Sport</a></div><h1>New ferry for the island</h1>"
                       "<!--EndFragment--></body></html>");
  capture(browser);
  EXPECT_EQ(name(), BrowserDocumentPrefix + std::to_string(browser));
  EXPECT_EQ(std::tuple(rig.acquisition.SourceApplication, rig.acquisition.SourceKind),
            std::tuple("iexplore", K::WebPage));
  EXPECT_EQ(text(), "Harbour Gazette\r\r\rNew ferry for the island"); // a CR for the menu

  // The selection goes with a click near the lower left corner; the pointer comes back.
  const std::vector<DesktopInput>& input = desktop.input();
  ASSERT_GE(input.size(), 4u);
  const int x = EditorPlace.outer.left + 10;
  const int y = EditorPlace.outer.top + EditorPlace.client.height - 1;
  EXPECT_EQ(std::tuple(input[input.size() - 4], input[input.size() - 3].kind,
                       input[input.size() - 2].kind, input.back()),
            std::tuple(DesktopInput{DesktopInput::PointerMove, Key::Control, x, y},
                       DesktopInput::ButtonDown, DesktopInput::ButtonUp,
                       DesktopInput{DesktopInput::PointerMove, Key::Control, 5, 6}));

  // Without HTML the text; without a title in the page the window's.
  const std::tuple<const char*, const char*, const char*, std::optional<std::string>, const char*>
      pages[] = {{"chromium", "Notes - Chromium", "Just text\nfrom a page.", std::nullopt,
                  "Just text\rfrom a page."},
                 {"epiphany", "Tide tables - Epiphany", "", "<p>High water at noon.</p>",
                  "Tide tables\r\rHigh water at noon."}};
  for (const auto& [executable, title, plain, html, expected] : pages) {
    const WindowId page = addApplication(executable, title, 701);
    desktop.answerCopies(page, plain, html);
    capture(page);
    EXPECT_EQ(text(), expected);
  }
}

TEST_F(CaptureTest, AMailMessageLosesItsReplyMarksWithRuleFourteen) {
  rig.settings.GeneralTextRules[engine::RuleHideReplyCharacters] = true;
  const WindowId mail = addApplication("thunderbird", "Re: the ferry");
  desktop.window(mail).role = "messageWindow";
  desktop.answerCopies(mail, "Hi Ann, \n> you wrote:\n> > the first time\n>>nested\n  Bye \n");
  capture(mail);
  EXPECT_EQ(name(), OutlookExpressDocumentPrefix + std::to_string(mail));
  EXPECT_EQ(rig.acquisition.SourceKind, K::OutlookExpress);
  EXPECT_EQ(text(), "Hi Ann,\ryou wrote:\rthe first time\r>nested\r Bye");
  const auto& input = desktop.input();
  EXPECT_EQ(std::count(input.begin(), input.end(),
                       DesktopInput{DesktopInput::Pause, Key::Control, 0, 0, 250}),
            1)
      << "the mail reader is given its 250 ms";
  EXPECT_EQ(std::count_if(input.begin(), input.end(),
                          [](const DesktopInput& i) { return i.kind == DesktopInput::ButtonDown; }),
            1);
}

// The desktop's recently-used list, as an editor leaves it: each entry with
// its MIME type and the application that used it.
std::string recentlyUsedXbel(const Paths& uris) {
  std::string xbel = R"(<?xml version="1.0" encoding="UTF-8"?><xbel version="1.0" )"
                     R"(xmlns:bookmark="http://www.freedesktop.org/standards/desktop-bookmarks" )"
                     R"(xmlns:mime="http://www.freedesktop.org/standards/shared-mime-info">)";
  for (const std::string& uri : uris)
    xbel += R"(<bookmark href=")" + uri +
            R"(" added="2024-01-01T10:00:00Z" modified="2024-01-01T10:00:00Z"><info>)"
            R"(<metadata owner="http://freedesktop.org"><mime:mime-type type="text/plain"/>)"
            R"(<bookmark:applications><bookmark:application name="Mousepad" exec="'mousepad %u'" )"
            R"(count="1"/></bookmark:applications></metadata></info></bookmark>)";
  return xbel + "</xbel>\n";
}

using RecentlyUsedTest = testing::DocumentFolderTest;

TEST_F(RecentlyUsedTest, ListsLocalFilesInTheListsOrderAndAddsEntries) {
  platform::RecentlyUsedList list(
      write("recently-used.xbel",
            recentlyUsedXbel({"file:///home/ann/z-last.txt", "https://example.org/page.html",
                              "file:///home/ann/caf%C3%A9%20notes.txt"})));
  EXPECT_EQ(list.localFiles(), (Paths{"/home/ann/z-last.txt", "/home/ann/caf\xc3\xa9 notes.txt"}));
  const std::string opened = write("opened.txt", "text");
  ASSERT_TRUE(list.add(opened, "text/plain"));
  const Paths after = list.localFiles();
  ASSERT_EQ(after.size(), 3u);
  EXPECT_EQ(after.front(), "/home/ann/z-last.txt");
  EXPECT_NE(std::find(after.begin(), after.end(), opened), after.end());

  // A list that did not exist is made; a missing one lists nothing.
  platform::RecentlyUsedList fresh(folder_ / "new" / "recently-used.xbel");
  EXPECT_TRUE(fresh.localFiles().empty());
  ASSERT_TRUE(fresh.add(opened, "text/plain"));
  EXPECT_EQ(fresh.localFiles(), Paths{opened});
}

TEST_F(RecentlyUsedTest, ADamagedListIsNeitherReadNorOverwritten) {
  const std::string damaged = "<xbel version=\"1.0\"><bookmark href=\"file:///a.txt\"";
  const std::string xbel = write("recently-used.xbel", damaged);
  platform::RecentlyUsedList list(xbel);
  EXPECT_TRUE(list.localFiles().empty());
  EXPECT_FALSE(list.add(write("b.txt", "b"), "text/plain"));
  EXPECT_EQ(platform::readWholeFile(xbel), damaged);
}

TEST(RecentlyUsedList, TheDesktopsListIsFoundThroughXdgDataHomeElseHome) {
  const char* savedData = std::getenv("XDG_DATA_HOME");
  const std::string keepData = savedData ? savedData : "", keepHome = std::getenv("HOME");
  ::setenv("HOME", "/home/ann", 1);
  const std::string home = "/home/ann/.local/share/recently-used.xbel";
  for (const auto& [data, expected] : {std::pair{"/data/ann", "/data/ann/recently-used.xbel"},
                                       {"relative/ignored", home.c_str()},
                                       {"", home.c_str()}}) {
    *data ? ::setenv("XDG_DATA_HOME", data, 1) : ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(platform::RecentlyUsedList::defaultLocation(), expected) << data;
  }
  savedData ? ::setenv("XDG_DATA_HOME", keepData.c_str(), 1) : ::unsetenv("XDG_DATA_HOME");
  ::setenv("HOME", keepHome.c_str(), 1);
}

} // namespace
} // namespace acquisition
