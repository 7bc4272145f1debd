#include "acquisition/hand_over.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>
#include <utility>

#include "acquisition/document_names.h"
#include "acquisition/hand_over_text.h"
#include "hand_over_rig.h"

namespace acquisition {
namespace {

using testing::HandOverRig;
using K = engine::SourceKind;
using M = engine::ReadingModeKind;
using R = reader::ReaderStateKind;
using Paths = std::vector<std::string>;

// "upon" starts at 6, "time" at 13.
const std::string Story = "Once upon a time there was a reader.\rShe read every day.";

using Cases = std::initializer_list<std::pair<std::string, std::string>>;
const std::string Empty = EmptyDocumentText;

TEST(FinishDocumentText, BlankTextFiveSpaceRunsAndTrimming) {
  for (const auto& [input, expected] :
       Cases{{"", Empty},
             {"\r\r\t \r", Empty},
             {std::string("\x01\x00\x1f", 3), Empty},
             {"one    two", "one    two"},     // four stay
             {"one     two", "onetwo"},        // five join the words
             {"one      two", "one two"},      // six leave one
             {"one          two", "onetwo"},   // ten vanish
             {"a     b c      d", "ab c d"},   // each run on its own
             {"a\r\r\r\r\rb", "a\r\r\r\r\rb"}, // line breaks are not spaces
             {"\r\n\t  Title\rBody.  \r\r", "Title\rBody."},
             {"\xA0word\x85", "\xA0word\x85"}, // bytes above 32 are not trimmed
             {"end.     \r  ", "end."}})
    EXPECT_EQ(finishDocumentText(input), expected) << ::testing::PrintToString(input);
}

TEST(HideReplyCharacters, RemovesMarksAtLineStartsButNotOnTheFirstLine) {
  for (const auto& [input, expected] :
       Cases{{"Hi\r> quoted", "Hi\r quoted"},   // one mark
             {"Hi\r> > quoted", "Hi\r quoted"}, // two, a space apart
             {"Hi\r>>quoted", "Hi\r>quoted"},   // one of two adjacent
             {"> first\r> second", "> first\r second"},
             {">>first", ">>first"},
             {"a\r> > > > x", "a\r x"},
             {"a > b\rc", "a > b\rc"},
             {"a\r>b\r>c\r> >d", "a\rb\rc\rd"}})
    EXPECT_EQ(hideReplyCharacters(input), expected) << ::testing::PrintToString(input);
}

TEST(IsCapturedDocument, DecidesByApplicationKindAndName) {
  using Case = std::tuple<const char*, K, const char*, bool>;
  for (const auto& [application, kind, name, captured] :
       {Case{"OUTLOOK", K::Outlook, "Outlook Document 9", true},
        Case{"msimn", K::OutlookExpress, "Outlook Express Document 77", true},
        Case{"wordpad", K::PlainText, "Lumetra Special Document", true},
        Case{"notepad", K::PlainText, "lumetra special document", false},
        Case{"winword", K::Word, "/home/ann/report.doc", false},
        Case{"winword", K::Outlook, "/home/ann/report.doc", true},
        Case{"iexplore", K::WebPage, "Internet Explorer Document 4711", true},
        Case{"iexplore", K::WebPage, "Internet Explorer Document", false},
        Case{"iexplore", K::WebPage, "", false},
        Case{"", K::PlainText, "Outlook Document 123", false}}) {
    AcquisitionState state;
    state.SourceApplication = application;
    state.SourceKind = kind;
    EXPECT_EQ(isCapturedDocument(state, name), captured) << application << " / " << name;
  }
}

TEST(SourceMatchesFile, ChecksTheExtensionAgainstTheApplication) {
  using Case = std::tuple<const char*, const char*, bool>;
  for (const auto& [name, application, matches] :
       {Case{"/docs/letter.doc", "winword", true}, Case{"/docs/LETTER.DOC", "notepad", false},
        Case{"/docs/notes.txt", "wordpad", true}, Case{"/docs/notes.txt", "winword", true},
        Case{"/docs/notes.TXT", "acrord32", false}, Case{"/docs/paper.pdf", "acrobat", true},
        Case{"/docs/paper.pdf", "notepad", false}, Case{"/docs/letter.docx", "notepad", true},
        Case{"/docs/archive.doc.gz", "notepad", true}, Case{"Outlook Document 1", "outlook", true},
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
  list.assign({"/x", "", "/y", "/z", "/w", "/v", "/u"}); // a load keeps the limit
  EXPECT_EQ(list.entries(), (Paths{"/x", "/y", "/z", "/w", "/v"}));
  list.setMaxItems(0); // keeps one
  EXPECT_EQ(list.entries(), (Paths{"/x"}));
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
  EXPECT_EQ(std::tuple(s.DocumentText, s.OriginalText, s.TextLength, s.DocumentLength),
            std::tuple("Title\rBody text.", "Title\rBody text.", 16, 16u));
  EXPECT_EQ(std::tuple(s.DocumentName, s.CurrentPosition, s.FrameStartPosition),
            std::tuple("/docs/b.txt", 1, 1));
  EXPECT_TRUE(s.GraphicPositions.empty());
  EXPECT_EQ(rig.pageAtEndClears, 2); // column modes forget the end of the page
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

TEST(CaptureDocument, ACaptureIsNeverRememberedNeitherOnLeavingNorOnClosing) {
  using Capture = std::tuple<const char*, K, const char*>;
  for (const auto& [application, kind, name] :
       {Capture{"outlook", K::Outlook, "Outlook Document 123"},
        Capture{"iexplore", K::WebPage, "Internet Explorer Document 5"},
        Capture{"winword", K::Outlook, "/mail/attachment.doc"}}) {
    SCOPED_TRACE(name);
    HandOverRig rig;
    rig.captureText(name, Story, application, kind);
    EXPECT_TRUE(rig.readerRecent.entries().empty());
    EXPECT_TRUE(rig.quickLaunchRecent.entries().empty());
    rig.engineState.FrameStartPosition = 10;
    saveReadingPosition(rig.handOver);        // the reader closes mid-way...
    rig.captureText("/docs/next.txt", Story); // ...and a file replaces the capture
    EXPECT_TRUE(rig.settings.LoadedDocuments.empty());
    EXPECT_EQ(rig.readerRecent.entries(), std::vector<std::string>{"/docs/next.txt"});
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

TEST(SavedPosition, ResumesAtTheStartOfTheWordOrAtTheStart) {
  const std::int32_t end = static_cast<std::int32_t>(Story.size());
  // Inside "upon", just after it, on the last letter of "time", past the end.
  for (const auto& [saved, expected] : {std::pair{8, 6}, {10, 6}, {16, 13}, {end + 1, 1}}) {
    SCOPED_TRACE(saved);
    HandOverRig rig;
    rig.settings.LoadedDocuments = {{"/docs/a.txt", saved}};
    rig.captureText("/docs/a.txt", Story);
    EXPECT_EQ(std::tuple(rig.engineState.CurrentPosition, rig.engineState.FrameStartPosition),
              std::tuple(expected, 1));
    EXPECT_EQ(rig.drawingPositions, std::vector<std::int32_t>{expected});
  }
}

TEST(PrepareReaderStart, BannerModesStartOrWaitAtTheSavedPositionByAutoStart) {
  // Mode, AutoStart, then the reader's state, startPending and the position:
  // waiting restores the saved one (13) again; the column modes leave it all.
  using Start = std::tuple<M, bool, R, bool, std::int32_t>;
  for (const auto& [mode, autoStart, state, startPending, position] :
       {Start{M::Banner, false, R::Ended, true, 13},
        Start{M::Sentence, true, R::Starting, false, 30},
        Start{M::Double, true, R::PastEnd, true, 30}}) {
    SCOPED_TRACE(::testing::Message() << static_cast<int>(mode) << " auto " << autoStart);
    HandOverRig rig;
    rig.settings.ReadingMode = mode;
    rig.settings.AutoStart = autoStart;
    rig.settings.LoadedDocuments = {{"/docs/a.txt", 13}};
    rig.reading.readerState = R::PastEnd;
    rig.reading.startPending = autoStart;
    rig.acquisition.TrackedWindow = 77;
    rig.captureText("/docs/a.txt", Story);
    rig.engineState.CurrentPosition = 30; // moved meanwhile
    prepareReaderStart(rig.handOver);
    EXPECT_EQ(std::tuple(rig.reading.readerState, rig.reading.startPending,
                         rig.engineState.CurrentPosition),
              std::tuple(state, startPending, position));
    EXPECT_EQ(std::tuple(rig.acquisition.ReaderShown, rig.acquisition.TrackedWindow),
              std::tuple(true, NoTrackedWindow));
  }
}

} // namespace
} // namespace acquisition
