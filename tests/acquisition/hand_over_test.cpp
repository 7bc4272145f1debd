#include "acquisition/hand_over.h"

#include <gtest/gtest.h>

#include "hand_over_rig.h"

namespace acquisition {
namespace {

using testing::HandOverRig;
using K = engine::SourceKind;

const std::string Story = "Once upon a time there was a reader.\rShe read every day.";

std::int32_t positionOf(const std::string& text, const std::string& word) {
  return static_cast<std::int32_t>(text.find(word)) + 1;
}

// --- Loading the text ------------------------------------------------------

TEST(CaptureDocument, LoadsTheCleanedTextIntoTheEngine) {
  HandOverRig rig;
  const CaptureOutcome outcome = rig.captureText("/docs/a.txt", "\r\r  Title\rBody text.\r\r");
  EXPECT_TRUE(outcome.handedOver);
  EXPECT_TRUE(outcome.problem.empty());
  const engine::EngineState& s = rig.engineState;
  EXPECT_EQ(s.DocumentText, "Title\rBody text.");
  EXPECT_EQ(s.OriginalText, s.DocumentText);
  EXPECT_EQ(s.TextLength, 16);
  EXPECT_EQ(s.DocumentLength, 16u);
  EXPECT_EQ(s.DocumentName, "/docs/a.txt");
  EXPECT_EQ(s.CurrentPosition, 1);
  EXPECT_EQ(s.FrameStartPosition, 1);
}

TEST(CaptureDocument, WhiteSpaceOnlyReadsAsTheEmptyDocument) {
  for (const std::string& text : {std::string(""), std::string(" \r\r\t "), std::string(9, ' ')}) {
    HandOverRig rig;
    rig.captureText("/docs/blank.txt", text);
    EXPECT_EQ(rig.engineState.DocumentText, "The document is empty");
    EXPECT_EQ(rig.engineState.DocumentLength, 21u);
  }
}

TEST(CaptureDocument, ASourceWithoutExtractionGivesTheEmptyDocument) {
  HandOverRig rig;
  rig.captureText("/docs/old.txt", "Old text here.");
  rig.acquisition.SourceApplication = "acrord32";
  rig.acquisition.SourceKind = K::Pdf;
  rig.acquisition.CurrentDocument = "/docs/paper.pdf";
  EXPECT_TRUE(captureDocument(rig.handOver, "/docs/paper.pdf").handedOver);
  EXPECT_EQ(rig.engineState.DocumentText, "The document is empty");
  EXPECT_EQ(rig.engineState.DocumentName, "/docs/paper.pdf");
}

TEST(CaptureDocument, FiveSpacesJoinWordsInTheLoadedText) {
  HandOverRig rig;
  rig.captureText("/docs/s.txt", "one     two      three          four");
  EXPECT_EQ(rig.engineState.DocumentText, "onetwo threefour");
}

TEST(CaptureDocument, TheExtractionRunsWithTheSourceWindowMarkedBusy) {
  HandOverRig rig;
  rig.acquisition.SourceWindow = 42;
  WindowHandle seen = 0;
  std::string textSeen;
  rig.handOver.extractions["notepad"] = [&](HandOver& h) {
    seen = h.acquisition.SourceWindow;
    textSeen = h.engine.state().DocumentText;
    return std::string();
  };
  rig.acquisition.SourceApplication = "notepad";
  rig.acquisition.CurrentDocument = "/docs/x.txt";
  captureDocument(rig.handOver, "/docs/x.txt");
  EXPECT_EQ(seen, CaptureRunningWindow);
  EXPECT_EQ(textSeen, "The document is empty");
}

TEST(CaptureDocument, AProblemOfTheExtractionIsPassedOnAndTheDocumentIsEmpty) {
  HandOverRig rig;
  rig.handOver.extractions["notepad"] = [](HandOver&) { return std::string("cannot read"); };
  rig.acquisition.SourceApplication = "notepad";
  rig.acquisition.CurrentDocument = "/docs/x.txt";
  const CaptureOutcome outcome = captureDocument(rig.handOver, "/docs/x.txt");
  EXPECT_TRUE(outcome.handedOver);
  EXPECT_EQ(outcome.problem, "cannot read");
  EXPECT_EQ(rig.engineState.DocumentText, "The document is empty");
}

// --- The source check ------------------------------------------------------

TEST(CaptureDocument, ADocFromAPlainTextSourceChangesNothing) {
  HandOverRig rig;
  rig.captureText("/docs/a.txt", Story);
  rig.engineState.FrameStartPosition = 12;
  rig.engineState.CurrentPosition = 20;
  const engine::EngineState before = rig.engineState;
  const auto recentBefore = rig.readerRecent.entries();

  rig.handOver.extractions["notepad"] = [](HandOver& h) {
    h.engine.state().DocumentText = "must not be read";
    return std::string();
  };
  rig.acquisition.CurrentDocument = "/docs/letter.doc";
  const CaptureOutcome outcome = captureDocument(rig.handOver, "/docs/letter.doc");

  EXPECT_FALSE(outcome.handedOver);
  EXPECT_EQ(rig.engineState.DocumentText, before.DocumentText);
  EXPECT_EQ(rig.engineState.DocumentName, "/docs/a.txt");
  EXPECT_EQ(rig.engineState.CurrentPosition, 20);
  EXPECT_EQ(rig.engineState.FrameStartPosition, 12);
  EXPECT_TRUE(rig.settings.LoadedDocuments.empty());
  EXPECT_EQ(rig.readerRecent.entries(), recentBefore);
  EXPECT_EQ(rig.quickLaunchRecent.entries(), recentBefore);
}

// --- Recent files and saved positions ----------------------------------------

TEST(CaptureDocument, AFileGoesToBothRecentFilesLists) {
  HandOverRig rig;
  rig.captureText("/docs/a.txt", Story);
  rig.captureText("/docs/b.txt", Story);
  const std::vector<std::string> expected{"/docs/b.txt", "/docs/a.txt"};
  EXPECT_EQ(rig.readerRecent.entries(), expected);
  EXPECT_EQ(rig.quickLaunchRecent.entries(), expected);
}

struct CapturedSource {
  const char* application;
  K kind;
  const char* name;
};

class CapturedSourceTest : public ::testing::TestWithParam<CapturedSource> {};

TEST_P(CapturedSourceTest, IsNeverRememberedNeitherOnLeavingNorOnClosing) {
  const CapturedSource& c = GetParam();
  HandOverRig rig;
  rig.captureText(c.name, Story, c.application, c.kind);
  EXPECT_TRUE(rig.readerRecent.entries().empty());
  EXPECT_TRUE(rig.quickLaunchRecent.entries().empty());

  // The reader closes mid-way...
  rig.engineState.FrameStartPosition = 10;
  saveReadingPosition(rig.handOver);
  // ... and a file from a plain-text editor replaces the capture.
  rig.captureText("/docs/next.txt", Story);
  EXPECT_TRUE(rig.settings.LoadedDocuments.empty());
  EXPECT_EQ(rig.readerRecent.entries(), std::vector<std::string>{"/docs/next.txt"});
}

INSTANTIATE_TEST_SUITE_P(
    Captures, CapturedSourceTest,
    ::testing::Values(CapturedSource{"outlook", K::Outlook, "Outlook Document 123"},
                      CapturedSource{"msimn", K::OutlookExpress, "Outlook Express Document 9"},
                      CapturedSource{"iexplore", K::WebPage, "Internet Explorer Document 5"},
                      CapturedSource{"notepad", K::PlainText, "Lumetra Special Document"},
                      CapturedSource{"winword", K::Outlook, "/mail/attachment.doc"}));

TEST(SavedPosition, LeavingAFileSavesWhereItsFrameBegan) {
  HandOverRig rig;
  rig.captureText("/docs/a.txt", Story);
  rig.engineState.FrameStartPosition = positionOf(Story, "reader");
  rig.captureText("/docs/b.txt", "Other.");
  ASSERT_EQ(rig.settings.LoadedDocuments.size(), 1u);
  EXPECT_EQ(rig.settings.LoadedDocuments[0],
            (engine::SavedPosition{"/docs/a.txt", positionOf(Story, "reader")}));
}

TEST(SavedPosition, APositionBelowOneIsStoredAsZero) {
  HandOverRig rig;
  rig.captureText("/docs/a.txt", Story);
  rig.engineState.FrameStartPosition = -3;
  saveReadingPosition(rig.handOver);
  ASSERT_EQ(rig.settings.LoadedDocuments.size(), 1u);
  EXPECT_EQ(rig.settings.LoadedDocuments[0].position, 0);
}

TEST(SavedPosition, EveryEntryOfTheNameIsUpdatedAndOtherNamesAreLeft) {
  HandOverRig rig;
  rig.settings.LoadedDocuments = {{"/docs/a.txt", 3}, {"/docs/A.txt", 4}, {"/docs/a.txt", 5}};
  rig.captureText("/docs/a.txt", Story);
  rig.engineState.FrameStartPosition = 30;
  saveReadingPosition(rig.handOver);
  const std::vector<engine::SavedPosition> expected{
      {"/docs/a.txt", 30}, {"/docs/A.txt", 4}, {"/docs/a.txt", 30}};
  EXPECT_EQ(rig.settings.LoadedDocuments, expected);
}

TEST(SavedPosition, NothingIsSavedWithoutADocument) {
  HandOverRig rig;
  saveReadingPosition(rig.handOver);
  rig.captureText("/docs/a.txt", Story);
  EXPECT_TRUE(rig.settings.LoadedDocuments.empty());
}

TEST(SavedPosition, ReopeningAFileResumesWhereTheReaderLeftIt) {
  HandOverRig rig;
  rig.captureText("/docs/a.txt", Story);
  const std::int32_t there = positionOf(Story, "time");
  rig.engineState.FrameStartPosition = there;
  saveReadingPosition(rig.handOver); // the reader closes
  rig.captureText("/docs/a.txt", Story);
  EXPECT_EQ(rig.engineState.CurrentPosition, there);
  EXPECT_EQ(rig.engineState.FrameStartPosition, 1);
  ASSERT_FALSE(rig.drawingPositions.empty());
  EXPECT_EQ(rig.drawingPositions.back(), there);
}

TEST(SavedPosition, SurvivesARestartThroughTheSettingsRecord) {
  const std::int32_t there = positionOf(Story, "every");
  engine::SettingsRecord stored;
  {
    HandOverRig firstRun;
    firstRun.captureText("/docs/a.txt", Story);
    firstRun.engineState.FrameStartPosition = there;
    saveReadingPosition(firstRun.handOver); // the reader closes
    stored = firstRun.settings;             // saved when the program ends
  }
  HandOverRig secondRun(stored);
  secondRun.captureText("/docs/a.txt", Story);
  EXPECT_EQ(secondRun.engineState.CurrentPosition, there);
}

struct RestoreCase {
  const char* label;
  std::int32_t saved;
  std::int32_t expected;
};

class RestoreTest : public ::testing::TestWithParam<RestoreCase> {};

// "Once upon a time ..." : "upon" starts at 6, "time" at 13.
TEST_P(RestoreTest, ResumesAtTheStartOfAWordOrAtTheStart) {
  const RestoreCase& c = GetParam();
  HandOverRig rig;
  rig.settings.LoadedDocuments = {{"/docs/a.txt", c.saved}};
  rig.captureText("/docs/a.txt", Story);
  EXPECT_EQ(rig.engineState.CurrentPosition, c.expected) << c.label;
  EXPECT_EQ(rig.engineState.FrameStartPosition, 1) << c.label;
}

const std::int32_t StoryLength = static_cast<std::int32_t>(Story.size());

INSTANTIATE_TEST_SUITE_P(Positions, RestoreTest,
                         ::testing::Values(RestoreCase{"word start", 6, 6},
                                           RestoreCase{"inside a word", 8, 6},
                                           RestoreCase{"last letter of a word", 16, 13},
                                           RestoreCase{"on the space after a word", 10, 6},
                                           RestoreCase{"inside the first word", 3, 1},
                                           RestoreCase{"at the end", StoryLength, 1},
                                           RestoreCase{"one past the end", StoryLength + 1, 1},
                                           RestoreCase{"far past the end", 1000000, 1}));

TEST(SavedPosition, NamesAreComparedExactly) {
  HandOverRig rig;
  rig.settings.LoadedDocuments = {{"/docs/A.txt", 13}};
  rig.captureText("/docs/a.txt", Story);
  EXPECT_EQ(rig.engineState.CurrentPosition, 1);
}

// --- Resetting the engine ----------------------------------------------------

TEST(CaptureDocument, ClearsTheGraphicPositionsOfThePreviousDocument) {
  HandOverRig rig;
  engine::addGraphicPosition(rig.engineState, 5, 0);
  rig.captureText("/docs/a.txt", Story);
  EXPECT_TRUE(rig.engineState.GraphicPositions.empty());
}

TEST(CaptureDocument, TheGraphicTableIsNeverWrittenPastItsLastEntry) {
  HandOverRig rig;
  int refused = 0;
  rig.handOver.extractions["winword"] = [&](HandOver& h) {
    for (std::int32_t i = 1; i <= 10005; ++i) {
      if (!engine::addGraphicPosition(h.engine.state(), i, -1)) ++refused;
    }
    h.engine.state().DocumentText = "Tables and pictures.";
    return std::string();
  };
  rig.acquisition.SourceApplication = "winword";
  rig.acquisition.SourceKind = K::Word;
  rig.acquisition.CurrentDocument = "/docs/big.doc";
  captureDocument(rig.handOver, "/docs/big.doc");
  EXPECT_EQ(rig.engineState.GraphicPositions.size(), engine::MaxGraphicPositions);
  EXPECT_EQ(refused, 4);
  EXPECT_EQ(rig.engineState.GraphicPositions.back().position, 10001);
}

TEST(CaptureDocument, BannerModesResetTheLineAndParagraphState) {
  HandOverRig rig;
  rig.settings.ReadingMode = engine::ReadingModeKind::Sentence;
  rig.engineState.LineStartPosition = 40;
  rig.engineState.NewParagraphPending = true;
  int lineStartSeen = 0;
  bool pendingSeen = true;
  rig.handOver.extractions["notepad"] = [&](HandOver& h) {
    lineStartSeen = h.engine.state().LineStartPosition;
    pendingSeen = h.engine.state().NewParagraphPending;
    return std::string();
  };
  rig.acquisition.SourceApplication = "notepad";
  rig.acquisition.CurrentDocument = "/docs/a.txt";
  captureDocument(rig.handOver, "/docs/a.txt");
  EXPECT_EQ(lineStartSeen, 1);
  EXPECT_FALSE(pendingSeen);
  EXPECT_EQ(rig.pageAtEndClears, 0);
}

TEST(CaptureDocument, ColumnModesClearTheEndOfPage) {
  HandOverRig rig;
  rig.settings.ReadingMode = engine::ReadingModeKind::Double;
  rig.captureText("/docs/a.txt", Story);
  EXPECT_EQ(rig.pageAtEndClears, 1);
}

TEST(CaptureDocument, TheNameOfTheDocumentIsTheCurrentDocument) {
  HandOverRig rig;
  rig.handOver.extractions["notepad"] = [](HandOver& h) {
    h.engine.state().DocumentText = "text";
    return std::string();
  };
  rig.acquisition.SourceApplication = "notepad";
  rig.acquisition.CurrentDocument = "/docs/current.txt";
  captureDocument(rig.handOver, "/docs/given.txt");
  EXPECT_EQ(rig.engineState.DocumentName, "/docs/current.txt");
}

// --- Preparing the reader ----------------------------------------------------

struct StartCase {
  const char* label;
  engine::ReadingModeKind mode;
  bool autoStart;
  reader::ReaderStateKind state;
  bool startPending;
};

class PrepareReaderStartTest : public ::testing::TestWithParam<StartCase> {};

TEST_P(PrepareReaderStartTest, SetsTheStartStateByAutoStart) {
  const StartCase& c = GetParam();
  HandOverRig rig;
  rig.settings.ReadingMode = c.mode;
  rig.settings.AutoStart = c.autoStart;
  rig.reading.readerState = reader::ReaderStateKind::PastEnd;
  rig.reading.startPending = c.autoStart;
  rig.acquisition.TrackedWindow = 77;
  rig.captureText("/docs/a.txt", Story);
  prepareReaderStart(rig.handOver);
  EXPECT_EQ(rig.reading.readerState, c.state) << c.label;
  EXPECT_EQ(rig.reading.startPending, c.startPending) << c.label;
  EXPECT_TRUE(rig.acquisition.ReaderShown) << c.label;
  EXPECT_EQ(rig.acquisition.TrackedWindow, NoTrackedWindow) << c.label;
}

using M = engine::ReadingModeKind;
using R = reader::ReaderStateKind;

INSTANTIATE_TEST_SUITE_P(
    Modes, PrepareReaderStartTest,
    ::testing::Values(StartCase{"banner waits", M::Banner, false, R::Ended, true},
                      StartCase{"banner starts", M::Banner, true, R::Starting, false},
                      StartCase{"sentence waits", M::Sentence, false, R::Ended, true},
                      StartCase{"sentence starts", M::Sentence, true, R::Starting, false},
                      // The column modes leave the start to the reader: unchanged.
                      StartCase{"single untouched", M::Single, false, R::PastEnd, false},
                      StartCase{"double untouched", M::Double, true, R::PastEnd, true}));

TEST(PrepareReaderStart, WaitingForTheUserRestoresThePositionAgain) {
  HandOverRig rig;
  rig.settings.LoadedDocuments = {{"/docs/a.txt", 13}};
  rig.captureText("/docs/a.txt", Story);
  rig.engineState.CurrentPosition = 30; // moved meanwhile
  prepareReaderStart(rig.handOver);
  EXPECT_EQ(rig.engineState.CurrentPosition, 13);
}

} // namespace
} // namespace acquisition
