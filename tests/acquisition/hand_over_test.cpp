// The hand-over of documents to the engine, and opening a document file
// directly: every supported type reaches the engine as if captured from its
// application, and bad input changes nothing.
#include "acquisition/hand_over.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "acquisition/child_process.h"
#include "acquisition/document_error.h"
#include "acquisition/document_names.h"
#include "acquisition/hand_over_text.h"
#include "acquisition/open_document_file.h"
#include "acquisition/text_file.h"
#include "document_files.h"
#include "hand_over_rig.h"

namespace acquisition {
namespace {

using testing::HandOverRig;
namespace fs = std::filesystem;
using K = engine::SourceKind;
using M = engine::ReadingModeKind;
using R = reader::ReaderStateKind;
using Paths = std::vector<std::string>;

const std::string Story = "Once upon a time there was a reader.\rShe read every day.";

TEST(FinishDocumentText, BlankTextFiveSpaceRunsAndTrimming) {
  const std::string Empty(EmptyDocumentText);
  for (const auto& [input, expected] : std::initializer_list<std::pair<std::string, std::string>>{
           {"\r\r\t \r", Empty},
           {std::string("\x01\x00\x1f", 3), Empty}, // control characters are trimmed
           {"one    two", "one    two"},            // four stay
           {"one     two", "onetwo"},               // five join the words
           {"a      b c          d", "a b cd"},     // six leave one, ten vanish
           {"a\r\r\r\r\rb", "a\r\r\r\r\rb"},        // line breaks are not spaces
           {"\r\n\t  Title\rBody.     \r\r", "Title\rBody."},
           {"\xA0word\x85", "\xA0word\x85"}}) // bytes above 32 are not trimmed
    EXPECT_EQ(finishDocumentText(input), expected) << ::testing::PrintToString(input);
}

TEST(HideReplyCharacters, RemovesMarksAtLineStartsButNotOnTheFirstLine) {
  const std::pair<std::string, std::string> cases[] = {
      {"Hi\r> quoted", "Hi\r quoted"},   // one mark
      {"Hi\r> > quoted", "Hi\r quoted"}, // two, a space apart
      {"Hi\r>>quoted", "Hi\r>quoted"},   // one of two adjacent
      {"> first\r> > > second", "> first\r second"},
      {"a > b\rc", "a > b\rc"},
  };
  for (const auto& [input, expected] : cases)
    EXPECT_EQ(hideReplyCharacters(input), expected) << ::testing::PrintToString(input);
}

TEST(SourceMatchesFile, ChecksTheExtensionAgainstTheApplication) {
  using Case = std::tuple<const char*, const char*, bool>;
  for (const auto& [name, application, matches] :
       {Case{"/docs/LETTER.DOC", "notepad", false}, Case{"/docs/notes.txt", "winword", true},
        Case{"/docs/paper.pdf", "notepad", false}, Case{"/docs/letter.docx", "notepad", true},
        // A dot in a folder name is not an extension.
        Case{"/docs/old.doc/readme", "notepad", true}})
    EXPECT_EQ(sourceMatchesFile(name, application), matches) << name << " / " << application;
}

TEST(RecentFilesList, NewestFirstOnceRegardlessOfCaseAtMostFive) {
  RecentFilesList list;
  int changes = 0;
  list.OnChanged = [&] { ++changes; };
  list.add(""); // ignored, and no change reported
  for (const char* p : {"/Docs/A.txt", "/1", "/2", "/3", "/docs/a.TXT", "/4", "/5"})
    list.add(p);
  EXPECT_EQ(list.entries(), (Paths{"/5", "/4", "/docs/a.TXT", "/3", "/2"}));
  EXPECT_EQ(changes, 7);
}

TEST(CaptureDocument, LoadsTheCleanedTextAsAFreshDocumentAndListsTheFile) {
  HandOverRig rig;
  rig.settings.ReadingMode = M::Double;
  rig.captureText("/docs/a.txt", Story);
  engine::addGraphicPosition(rig.engineState, 5, 0);
  const CaptureOutcome outcome = rig.captureText("/docs/b.txt", "\r\r  Title\rBody text.\r\r");
  EXPECT_TRUE(outcome.handedOver);
  EXPECT_TRUE(outcome.problem.empty());
  const engine::EngineState& s = rig.engineState;
  EXPECT_EQ(std::tuple(s.DocumentText, s.TextLength, s.DocumentLength),
            std::tuple("Title\rBody text.", 16, 16u));
  EXPECT_EQ(std::tuple(s.DocumentName, s.CurrentPosition, s.FrameStartPosition),
            std::tuple("/docs/b.txt", 1, 1));
  EXPECT_TRUE(s.GraphicPositions.empty());
  EXPECT_EQ(rig.pageAtEndClears, 2); // column modes forget the end of the page
  EXPECT_EQ(rig.drawingPositions, (std::vector<std::int32_t>{1, 1}));
  const std::vector<std::string> recent{"/docs/b.txt", "/docs/a.txt"};
  EXPECT_EQ(rig.readerRecent.entries(), recent);
  EXPECT_EQ(rig.quickLaunchRecent.entries(), recent);
}

TEST(CaptureDocument, TheExtractionRunsOnAResetEngineAndItsProblemIsPassedOn) {
  HandOverRig rig;
  rig.settings.ReadingMode = M::Sentence;
  rig.acquisition.SourceWindow = 42;
  rig.engineState.LineStartPosition = 40;
  rig.engineState.NewParagraphPending = true;
  engine::EngineState seen;
  WindowHandle window = 0;
  rig.handOver.extractions["notepad"] = [&](HandOver& h) {
    seen = h.engine.state();
    window = h.acquisition.SourceWindow;
    return std::string("cannot read");
  };
  const CaptureOutcome outcome = rig.capture("/docs/x.txt");
  EXPECT_EQ(std::tuple(window, seen.DocumentText, seen.LineStartPosition, seen.NewParagraphPending,
                       rig.pageAtEndClears),
            std::tuple(CaptureRunningWindow, "The document is empty", 1, false, 0));
  EXPECT_EQ(std::tuple(outcome.handedOver, outcome.problem, rig.engineState.DocumentText),
            std::tuple(true, "cannot read", "The document is empty"));
}

TEST(CaptureDocument, ADocFromAPlainTextSourceChangesNothing) {
  HandOverRig rig;
  rig.captureText("/docs/a.txt", Story);
  rig.engineState.FrameStartPosition = 12;
  rig.engineState.CurrentPosition = 20;
  const auto before = rig.snapshot();
  rig.handOver.extractions["notepad"] = [](HandOver& h) {
    h.engine.state().DocumentText = "must not be read";
    return std::string();
  };
  EXPECT_FALSE(rig.capture("/docs/letter.doc").handedOver);
  EXPECT_EQ(rig.snapshot(), before);
}

// A captured message, page or unsaved editor window gets no recent-files entry
// and no saved position, neither when the reader closes nor when a file
// replaces it; a file is remembered on both.
TEST(CaptureDocument, OnlyFilesAreRememberedOnLeavingAndOnClosing) {
  using Capture = std::tuple<const char*, K, const char*, bool>;
  for (const auto& [application, kind, name, remembered] :
       {Capture{"OUTLOOK", K::Outlook, "Outlook Document 123", false},
        Capture{"iexplore", K::WebPage, "Internet Explorer Document 5", false},
        Capture{"winword", K::Outlook, "/mail/attachment.doc", false},
        Capture{"wordpad", K::PlainText, "Lumetra Special Document", false},
        Capture{"winword", K::Word, "/docs/report.doc", true},
        Capture{"notepad", K::PlainText, "lumetra special document", true},
        Capture{"iexplore", K::WebPage, "Internet Explorer Document", true}}) {
    SCOPED_TRACE(name);
    HandOverRig rig;
    rig.captureText(name, Story, application, kind);
    EXPECT_EQ(rig.quickLaunchRecent.entries().size(), remembered ? 1u : 0u);
    rig.engineState.FrameStartPosition = 10;
    saveReadingPosition(rig.handOver);        // the reader closes mid-way...
    rig.captureText("/docs/next.txt", Story); // ...and a file replaces the document
    const std::vector<engine::SavedPosition> saved{{name, 10}};
    EXPECT_EQ(rig.settings.LoadedDocuments,
              remembered ? saved : std::vector<engine::SavedPosition>{});
  }
}

TEST(SavedPosition, LeavingAFileUpdatesEveryEntryOfItsNameAndNoneWithoutAName) {
  HandOverRig rig;
  rig.settings.LoadedDocuments = {{"/docs/a.txt", 3}, {"/docs/A.txt", 4}, {"/docs/a.txt", 5}};
  saveReadingPosition(rig.handOver); // no document yet
  rig.captureText("/docs/a.txt", Story);
  rig.engineState.FrameStartPosition = 30;
  rig.captureText("/docs/b.txt", Story);
  rig.engineState.FrameStartPosition = -3; // stored as 0
  saveReadingPosition(rig.handOver);
  const std::vector<engine::SavedPosition> expected{
      {"/docs/a.txt", 30}, {"/docs/A.txt", 4}, {"/docs/a.txt", 30}, {"/docs/b.txt", 0}};
  EXPECT_EQ(rig.settings.LoadedDocuments, expected);
}

TEST(PrepareReaderStart, BannerModesStartOrWaitAtTheSavedPositionByAutoStart) {
  // Mode, AutoStart, then the reader's state, startPending and the position:
  // waiting restores the saved one (13, "time") again and draws from there;
  // the column modes leave it all.
  using Start = std::tuple<M, bool, R, bool, std::int32_t>;
  for (const auto& [mode, autoStart, state, startPending, position] :
       {Start{M::Banner, false, R::Ended, true, 13},
        Start{M::Sentence, true, R::Starting, false, 30},
        Start{M::Double, true, R::PastEnd, true, 30}}) {
    SCOPED_TRACE(::testing::Message() << static_cast<int>(mode) << " auto " << autoStart);
    HandOverRig rig;
    rig.settings.ReadingMode = mode;
    rig.settings.AutoStart = autoStart;
    rig.settings.LoadedDocuments = {{"/docs/a.txt", 15}}; // inside "time"
    rig.reading.readerState = R::PastEnd;
    rig.reading.startPending = autoStart;
    rig.acquisition.TrackedWindow = 77;
    rig.captureText("/docs/a.txt", Story);
    rig.engineState.CurrentPosition = 30; // moved meanwhile
    prepareReaderStart(rig.handOver);
    EXPECT_EQ(std::tuple(rig.reading.readerState, rig.reading.startPending,
                         rig.engineState.CurrentPosition, rig.drawingPositions.back()),
              std::tuple(state, startPending, position, 13));
    EXPECT_EQ(std::tuple(rig.acquisition.ReaderShown, rig.acquisition.TrackedWindow),
              std::tuple(true, NoTrackedWindow));
  }
}

class OpenDocumentFileTest : public testing::DocumentFolderTest {
protected:
  // Opens `file` over a book already being read; a refusal must leave the book.
  void expectOpen(const std::string& file, bool opened, const std::string& expected,
                  const char* application = NotepadApp, K kind = K::PlainText) {
    testing::HandOverRig rig;
    const std::string book = write("book.txt", "The book being read.");
    ASSERT_TRUE(openDocumentFile(rig.handOver, book).opened);
    rig.engineState.CurrentPosition = 10;
    AcquisitionState& a = rig.acquisition;
    a.ReaderShown = rig.reading.startPending = false; // the reader was closed
    const auto before = std::tuple(rig.snapshot(), a.CurrentDocument, a.ReaderShown);

    const OpenOutcome outcome = openDocumentFile(rig.handOver, file);
    ASSERT_EQ(outcome.opened, opened) << outcome.problem;
    if (!opened) {
      EXPECT_EQ(outcome.problem, expected);
      EXPECT_EQ(std::tuple(rig.snapshot(), a.CurrentDocument, a.ReaderShown), before);
      return;
    }
    const std::string name = fs::path(file).lexically_normal().string();
    EXPECT_EQ(outcome.problem, "");
    EXPECT_EQ(rig.engineState.DocumentText, expected);
    EXPECT_EQ(std::tuple(a.CurrentDocument, rig.engineState.DocumentName, a.SourceApplication,
                         a.DocumentSourceKind, a.SourceWindow),
              std::tuple(name, name, application, kind, NoSourceWindow));
    EXPECT_EQ(rig.readerRecent.entries(), (std::vector<std::string>{name, book}));
    EXPECT_EQ(std::tuple(a.ReaderShown, rig.reading.startPending), std::tuple(true, true));
  }
};

// Each type is read by its reader, by the lower-cased extension, from any name.
TEST_F(OpenDocumentFileTest, EveryTypeReadsAsFromItsApplication) {
  const std::string longLine = std::string(TextProbeLength, 'a') + std::string("\0tail", 5);
  const std::string odd = "-odd 'name\" \n.docx";
  const struct {
    const char* file;
    std::string bytes;
    std::string text;
    const char* application;
    K kind;
  } cases[] = {
      {"wide.txt", std::string("\xFF\xFEH\0i\0\n\0", 8), "Hi", NotepadApp, K::PlainText},
      {"long.txt", longLine, longLine, NotepadApp, K::PlainText},
      {"LOUD.TXT", "loud", "loud", NotepadApp, K::PlainText},
      // A name that is not UTF-8 (a Windows-1252 "é"): opened by its bytes.
      {"caf\xE9.txt", "coffee", "coffee", NotepadApp, K::PlainText},
      {odd.c_str(), testing::docx("<w:p><w:r><w:t>Odd</w:t></w:r></w:p>"), "Odd", WordApp, K::Word},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.file));
    // Through a relative, unnormalised path.
    write(c.file, c.bytes);
    expectOpen((folder_ / "sub" / ".." / c.file).string(), true, c.text, c.application, c.kind);
  }
  testing::writePdf(path("paper.pdf"), {{{72, 100, "Page one"}}, {{72, 100, "Page two"}}});
  expectOpen(path("paper.pdf"), true, "Page one\r\r\rPage two", AcrobatReaderApp, K::Pdf);
}

// Bad input gets a clear message, never a hang, and the book stays.
TEST_F(OpenDocumentFileTest, BadInputIsRefusedAndTheDocumentStays) {
  enum class Make { Nothing, Bytes, Fifo, Huge, Locked };
  const struct {
    const char* file;
    Make make;
    std::string bytes;
    std::string message;
    bool pathFollows;
  } cases[] = {
      {"gone.txt", Make::Nothing, "", MissingFileMessage, false},
      {"notes.rtf", Make::Bytes, "words", UnsupportedFileMessage, false},
      {"pipe.docx", Make::Fifo, "", UnreadableFileMessage, true},
      {"image.txt", Make::Bytes, std::string("\x89PNG\r\n\x1a\n\0\0", 10), NotTextFileMessage,
       true},
      {"huge.txt", Make::Huge, "", TooLargeFileMessage, true},
      {"locked.txt", Make::Locked, "secret", UnreadableFileMessage, true},
      {"fake.docx", Make::Bytes, "not a zip", DamagedDocumentMessage, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string file = path(c.file);
    if (c.make == Make::Bytes) write(c.file, c.bytes);
    if (c.make == Make::Fifo) {
      ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    }
    if (c.make == Make::Huge) fs::resize_file(write(c.file, ""), MaxTextFileBytes + 1); // sparse
    if (c.make == Make::Locked) {
      if (::geteuid() == 0) continue; // root reads every file
      fs::permissions(write(c.file, c.bytes), fs::perms::none);
    }
    expectOpen(file, false, c.message + (c.pathFollows ? file : ""));
  }
}

// The converters of old Word files run without a shell and within bounds.
TEST(RunProgram, ArgumentsPassWholeAndBoundsKill) {
  const std::string odd = "-a 'b\" $HOME\nc";
  const ChildOutcome echoed = runProgram({"printf", "%s", odd});
  EXPECT_EQ(std::tuple(echoed.succeeded(), echoed.output), std::tuple(true, odd));
  EXPECT_EQ(runProgram({"false"}).exitStatus, 1);
  EXPECT_FALSE(runProgram({"no-such-program-of-lumetra"}).started);
  const ChildOutcome slow = runProgram({"sleep", "30"}, {std::chrono::milliseconds(50)});
  EXPECT_EQ(std::tuple(slow.started, slow.finished), std::tuple(true, false));
  const ChildOutcome endless = runProgram({"yes"}, {std::chrono::seconds(10), 4096});
  EXPECT_FALSE(endless.finished);
  EXPECT_LE(endless.output.size(), 4096u);
}

} // namespace
} // namespace acquisition
