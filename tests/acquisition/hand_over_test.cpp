// The hand-over of documents to the engine, and opening plain text files
// through it.
#include "acquisition/hand_over.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "acquisition/document_names.h"
#include "acquisition/hand_over_text.h"
#include "acquisition/text_file.h"
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
           {"\r\n\t  Title\rBody.  \r\r", "Title\rBody."},
           {"\xA0word\x85", "\xA0word\x85"}, // bytes above 32 are not trimmed
           {"end.     \r  ", "end."}})
    EXPECT_EQ(finishDocumentText(input), expected) << ::testing::PrintToString(input);
}

TEST(HideReplyCharacters, RemovesMarksAtLineStartsButNotOnTheFirstLine) {
  const std::pair<std::string, std::string> cases[] = {
      {"Hi\r> quoted", "Hi\r quoted"},   // one mark
      {"Hi\r> > quoted", "Hi\r quoted"}, // two, a space apart
      {"Hi\r>>quoted", "Hi\r>quoted"},   // one of two adjacent
      {"> first\r> second", "> first\r second"},
      {"a\r> > > > x", "a\r x"},
      {"a > b\rc", "a > b\rc"},
  };
  for (const auto& [input, expected] : cases)
    EXPECT_EQ(hideReplyCharacters(input), expected) << ::testing::PrintToString(input);
}

TEST(SourceMatchesFile, ChecksTheExtensionAgainstTheApplication) {
  using Case = std::tuple<const char*, const char*, bool>;
  for (const auto& [name, application, matches] :
       {Case{"/docs/LETTER.DOC", "notepad", false}, Case{"/docs/notes.txt", "winword", true},
        Case{"/docs/notes.TXT", "acrord32", false}, Case{"/docs/paper.pdf", "notepad", false},
        Case{"/docs/letter.docx", "notepad", true},
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
  EXPECT_TRUE(rig.settings.LoadedDocuments.empty());
}

// A captured message, page or unsaved editor window gets no recent-files entry
// and no saved position, neither when the reader closes nor when a file
// replaces it; a file is remembered on both.
TEST(CaptureDocument, OnlyFilesAreRememberedOnLeavingAndOnClosing) {
  using Capture = std::tuple<const char*, K, const char*, bool>;
  for (const auto& [application, kind, name, remembered] :
       {Capture{"OUTLOOK", K::Outlook, "Outlook Document 123", false},
        Capture{"msimn", K::OutlookExpress, "Outlook Express Document 77", false},
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
    EXPECT_EQ(rig.readerRecent.entries().front(), "/docs/next.txt");
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

TEST(StandardExtractions, AnUnsavedEditorWindowIsNotReadFromDisk) {
  HandOverRig rig;
  const CaptureOutcome outcome = rig.capture(SpecialDocumentName);
  EXPECT_EQ(std::tuple(outcome.handedOver, outcome.problem, rig.engineState.DocumentText),
            std::tuple(true, "", "The document is empty"));
}

} // namespace
} // namespace acquisition
