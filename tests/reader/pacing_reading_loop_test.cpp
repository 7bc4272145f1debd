// The reading loop end to end: the real engine cuts the frames, TForm1 times
// them on the virtual clock, and the recording observer sees every frame,
// pause and end with the time it was first drawn.
#include <gtest/gtest.h>

#include "pacing_fixture.h"

namespace reader::testing {
namespace {

// Starts reading at once and runs until the document ends (or 10 minutes).
void readAll(PacingFixture& f) {
  f.form.beginReading();
  f.form.tmReadTimer();
  f.clock.runUntil([&] { return !f.observer.ends.empty(); }, 600000);
}

std::vector<int> intervals(const PacingFixture& f) {
  std::vector<int> out;
  for (const FrameEvent& e : f.observer.frames)
    out.push_back(e.interval);
  return out;
}

std::vector<std::int32_t> wordCounts(const PacingFixture& f) {
  std::vector<std::int32_t> out;
  for (const FrameEvent& e : f.observer.frames)
    out.push_back(e.words);
  return out;
}

TEST(ReadingLoopTest, SlowBannerFullAndOneWordLinesLastAlike) {
  PacingFixture f;
  f.banner(50, 1, 3);
  f.load("Alpha beta gamma delta.");
  readAll(f);
  ASSERT_EQ(f.observer.frames.size(), 2u);
  EXPECT_EQ(f.observer.frames[0].lines, (std::vector<std::string>{"Alpha beta gamma"}));
  EXPECT_EQ(f.observer.frames[1].lines, (std::vector<std::string>{"delta."}));
  EXPECT_EQ(wordCounts(f), (std::vector<std::int32_t>{3, 1}));
  EXPECT_EQ(intervals(f), (std::vector<int>{3333, 3333}));
  // each frame holds its interval plus ten fade steps of 20 ms
  EXPECT_EQ(f.observer.frames[1].t, 3333 + 200);
  EXPECT_EQ(f.observer.ends, (std::vector<std::int64_t>{2 * (3333 + 200)}));
}

TEST(ReadingLoopTest, FastTwoLinesOfFourTimeATwoWordFrameForThree) {
  PacingFixture f;
  f.banner(2600, 2, 4);
  f.load("w1 w2 w3 w4 w5 w6 w7 w8 w9 w10");
  readAll(f);
  ASSERT_EQ(f.observer.frames.size(), 2u);
  EXPECT_EQ(wordCounts(f), (std::vector<std::int32_t>{8, 2}));
  // 60000 / 2783 * 8 = 172.5, and three words' time 64.7
  EXPECT_EQ(intervals(f), (std::vector<int>{172, 64}));
  EXPECT_EQ(f.observer.frames[1].t, 172); // no fade above 500 wpm
  EXPECT_EQ(f.observer.ends[0], 172 + 64);
}

TEST(ReadingLoopTest, SentenceModeTwoWordSentenceAtBothSidesOf350) {
  for (const auto& [wpm, interval] : {std::pair{349, 761}, std::pair{350, 1518}}) {
    PacingFixture f;
    f.sentence(wpm);
    f.load("Short one. Then another sentence here with more words.");
    readAll(f);
    ASSERT_EQ(f.observer.frames.size(), 2u) << wpm;
    EXPECT_EQ(f.observer.frames[0].lines, (std::vector<std::string>{"Short one."}));
    EXPECT_EQ(f.observer.frames[0].words, 2);
    EXPECT_EQ(f.observer.frames[0].interval, interval) << wpm;
  }
}

TEST(ReadingLoopTest, FourWordHeadingInSentenceModeLastsOnePointSixTimes) {
  PacingFixture f;
  f.sentence(300);
  f.load("Four Word Heading Here\r\rThe body text follows here. And more of it to read.");
  readAll(f);
  ASSERT_GE(f.observer.frames.size(), 2u);
  EXPECT_TRUE(f.observer.frames[0].heading);
  EXPECT_EQ(f.observer.frames[0].words, 4);
  EXPECT_EQ(f.observer.frames[0].interval, 1419); // Floor(887 * 1.6)
  EXPECT_FALSE(f.observer.frames[1].heading);
  EXPECT_EQ(f.observer.frames[1].interval, 887); // five words' time, as given
  EXPECT_EQ(f.view.status, "");                  // the heading message follows the frame
}

TEST(ReadingLoopTest, HeadingInBannerModeAtFourHundredHasNoExtraTime) {
  PacingFixture f;
  f.banner(400, 1, 3);
  f.load("Short Head\r\rThe body text follows here.");
  readAll(f);
  ASSERT_GE(f.observer.frames.size(), 2u);
  EXPECT_TRUE(f.observer.frames[0].heading);
  EXPECT_EQ(f.observer.frames[0].interval, f.observer.frames[1].interval);
}

const std::string Paragraph15 =
    "One two three four five six seven eight nine ten eleven twelve thirteen fourteen fifteen.";
const std::string Paragraph21 = "Aa bb cc dd ee ff gg hh ii jj kk ll mm nn oo pp qq rr ss tt uu.";

TEST(ReadingLoopTest, SmallParagraphsGetNoParagraphPause) {
  PacingFixture f;
  f.banner(300, 1, 3);
  f.rules({8, 10});
  f.load(Paragraph15 + "\r\r" + Paragraph21 + "\r\rLast paragraph here now.");
  readAll(f);
  ASSERT_EQ(f.observer.pauses.size(), 1u);
  // the pause comes after the frame that ends the 21-word paragraph
  const auto& frames = f.observer.frames;
  std::size_t before = 0;
  while (before + 1 < frames.size() && frames[before + 1].t < f.observer.pauses[0].t)
    ++before;
  EXPECT_EQ(frames[before].lines, (std::vector<std::string>{"ss tt uu."}));
  // rule 10 only, band 3: effective 344; 180000 div 344 = 523
  EXPECT_EQ(f.observer.pauses[0].interval, 523);
}

TEST(ReadingLoopTest, SmallParagraphInOneLineWithSentenceDelayPausesThreeWords) {
  PacingFixture f;
  f.banner(300, 1, 3);
  f.rules({8, 9, 10});
  f.load(Paragraph15 + "\r\r" + Paragraph21 + "\r\rLast paragraph here now.");
  readAll(f);
  // rules 9 and 10: effective 382; a pause after each sentence
  ASSERT_EQ(f.observer.pauses.size(), 3u);
  EXPECT_EQ(f.observer.pauses[0].interval, 471); // 180000 / 382: a small paragraph
  EXPECT_EQ(f.observer.pauses[1].interval, 706); // 270000 / 382: a paragraph end
  EXPECT_EQ(f.observer.pauses[2].interval, 471); // the last sentence
}

TEST(ReadingLoopTest, AtMostFiveHundredFramesFadeInAboveThatTheyDoNot) {
  for (const auto& [wpm, fades] : {std::pair{500, true}, std::pair{501, false}}) {
    PacingFixture f;
    f.banner(wpm, 1, 3);
    f.load("Alpha beta gamma delta epsilon zeta eta theta.");
    readAll(f);
    ASSERT_FALSE(f.view.draws.empty());
    bool faded = false;
    for (const Draw& d : f.view.draws)
      faded = faded || (d.level > 0 && d.level < 10);
    EXPECT_EQ(faded, fades) << wpm;
  }
}

TEST(ReadingLoopTest, ThreeHundredOneLineOfThreeFadesInFiveMillisecondSteps) {
  PacingFixture f;
  f.banner(300, 1, 3);
  f.load("Alpha beta gamma delta epsilon zeta.");
  f.form.beginReading();
  f.form.tmReadTimer();
  f.clock.advance(100);
  EXPECT_EQ(f.form.tmFadeIn->Interval(), 5);
  std::vector<std::int64_t> fadeIn;
  for (const Draw& d : f.view.draws)
    if (d.level >= 1 && d.level <= 10) fadeIn.push_back(d.t);
  EXPECT_EQ(fadeIn, (std::vector<std::int64_t>{0, 5, 10, 15, 20, 25, 30, 35, 40, 45}));
}

TEST(ReadingLoopTest, CountsEveryWordOnceAndAddsUpTheReadingTime) {
  PacingFixture f;
  f.banner(600, 3, 5);
  f.load("Alpha beta gamma delta epsilon. Theta iota\r\r\rHead Line\r\rBody text follows here.");
  readAll(f);
  std::int64_t words = 0;
  for (const FrameEvent& e : f.observer.frames)
    words += e.words;
  EXPECT_EQ(words, 13);
  EXPECT_EQ(f.es.WordCounter, 13u);
  double total = 0;
  for (const FrameEvent& e : f.observer.frames)
    total += e.interval;
  // every frame's interval, then one second at the end
  EXPECT_DOUBLE_EQ(f.settings.TotalReadingTime, total + 1000);
}

TEST(ReadingLoopTest, AGraphicNearThePositionIsShown) {
  PacingFixture f;
  f.banner(600, 1, 3);
  f.load("Alpha beta gamma delta epsilon zeta eta theta iota kappa lambda mu.");
  engine::addGraphicPosition(f.es, 5000, 0);
  engine::addGraphicPosition(f.es, 20, -1);
  f.form.beginReading();
  f.form.tmReadTimer(); // the first frame ends at 18, 2 from the picture
  EXPECT_EQ(f.view.graphicIndexes, (std::vector<int>{1}));
  EXPECT_EQ(f.view.status, "Graphic detected");
}

// --- The end of the document ------------------------------------------------------

TEST(EndOfDocumentTest, StopsAndSaysSoWithoutLoopMode) {
  PacingFixture f;
  f.banner(600, 1, 3);
  f.load("Alpha beta gamma delta.");
  readAll(f);
  EXPECT_EQ(f.rs.readerState, ReaderStateKind::Ended);
  EXPECT_TRUE(f.rs.readingHalted);
  EXPECT_FALSE(f.form.tmRead->Enabled());
  EXPECT_EQ(f.form.tmRead->Interval(), 1000);
  EXPECT_EQ(f.view.caption, "Restart");
  EXPECT_EQ(f.view.hint, HintRestart);
  EXPECT_EQ(f.view.endTexts, 1);
  EXPECT_EQ(f.view.hintColourToggles, 1);
  // the position saved is where the frame that found the end would have begun
  EXPECT_EQ(f.view.savedPositions, (std::vector<std::int32_t>{23}));
  const std::size_t frames = f.observer.frames.size();
  f.clock.advance(60000);
  EXPECT_EQ(f.observer.frames.size(), frames);
}

TEST(EndOfDocumentTest, LoopModeStartsAgainAndHoldsTheFirstFrameOneSecond) {
  PacingFixture f;
  f.banner(600, 1, 3);
  f.settings.LoopMode = true;
  f.load("Alpha beta gamma delta.");
  f.form.beginReading();
  f.form.tmReadTimer();
  f.clock.runUntil([&] { return f.observer.frames.size() >= 3; }, 60000);
  ASSERT_EQ(f.observer.frames.size(), 3u);
  EXPECT_TRUE(f.observer.ends.empty());
  EXPECT_EQ(f.observer.frames[2].start, 1);
  EXPECT_EQ(f.rs.readerState, ReaderStateKind::Reading);
  EXPECT_EQ(f.form.tmRead->Interval(), 1000);
  f.clock.runUntil([&] { return f.observer.frames.size() >= 4; }, 60000);
  EXPECT_EQ(f.observer.frames[3].t - f.observer.frames[2].t, 1000);
}

TEST(EndOfDocumentTest, LoopModeOnADocumentWithNothingToReadEnds) {
  PacingFixture f;
  f.banner(600, 1, 3);
  f.settings.LoopMode = true;
  f.load("x"); // one character: no frame can be read from it
  f.form.beginReading();
  f.form.tmReadTimer();
  EXPECT_EQ(f.rs.readerState, ReaderStateKind::Ended);
  EXPECT_EQ(f.observer.ends.size(), 1u);
}

// --- Pause, continue, restart -------------------------------------------------------

TEST(StopOrContinueTest, SpaceNearTheEndStartsAgainAtTheBeginning) {
  PacingFixture f;
  f.banner(600, 1, 3);
  f.load("Alpha beta gamma delta epsilon zeta.");
  readAll(f);
  const std::size_t frames = f.observer.frames.size();
  f.form.fevhStopOrContinue();
  ASSERT_EQ(f.observer.frames.size(), frames + 1);
  EXPECT_EQ(f.observer.frames.back().start, 1);
  EXPECT_EQ(f.rs.readerState, ReaderStateKind::Reading);
  EXPECT_EQ(f.view.caption, "Pause");
  EXPECT_TRUE(f.form.tmRead->Enabled());
}

TEST(StopOrContinueTest, SpaceWithMoreThanTenCharactersLeftGoesOn) {
  PacingFixture f;
  f.banner(600, 1, 3);
  f.load("Alpha beta gamma delta epsilon zeta eta theta.");
  f.form.prepareStart(false);
  f.form.startPreparedDocument(); // first frame shown, waiting for Space
  ASSERT_EQ(f.rs.readerState, ReaderStateKind::Ended);
  const std::int32_t after = f.es.CurrentPosition;
  f.form.fevhStopOrContinue();
  ASSERT_EQ(f.observer.frames.size(), 1u);
  EXPECT_EQ(f.observer.frames[0].start, after);
}

TEST(StopOrContinueTest, PauseHoldsTheFrameAndContinueGoesOn) {
  PacingFixture f;
  f.banner(600, 1, 3);
  f.load("Alpha beta gamma delta epsilon zeta eta theta iota kappa.");
  f.form.beginReading();
  f.form.tmReadTimer();
  f.clock.advance(100);
  f.form.fevhStopOrContinue();
  EXPECT_EQ(f.rs.readerState, ReaderStateKind::Paused);
  EXPECT_TRUE(f.rs.readingHalted);
  EXPECT_EQ(f.view.hint, HintContinue);
  EXPECT_EQ(f.view.caption, "Continue");
  EXPECT_EQ(f.view.fullRedraws, 1);
  f.clock.advance(60000);
  EXPECT_EQ(f.observer.frames.size(), 1u);

  f.form.fevhStopOrContinue();
  EXPECT_EQ(f.rs.readerState, ReaderStateKind::Reading);
  EXPECT_EQ(f.view.caption, "Pause");
  EXPECT_EQ(f.view.hint, "");
  EXPECT_EQ(f.observer.frames.size(), 1u); // no frame is read at that moment
  f.clock.advance(f.form.tmRead->Interval());
  EXPECT_EQ(f.observer.frames.size(), 2u);
}

TEST(StopOrContinueTest, ContinueDuringAFadedHoldFadesOutWithTheNextStartTick) {
  PacingFixture f;
  f.banner(300, 1, 3); // 545 ms frames, 5 ms steps
  f.load("Alpha beta gamma delta epsilon zeta eta theta iota kappa.");
  f.form.beginReading();
  f.form.tmReadTimer();
  f.clock.advance(200); // holding, the frame timer parked
  f.form.fevhStopOrContinue();
  f.clock.advance(2000);
  EXPECT_EQ(f.observer.frames.size(), 1u);
  f.form.fevhStopOrContinue();
  // the start tick comes every 495 ms from 545 on; 2525 is the first after
  // 2200, and with the fade-out marked finished the next frame comes at once
  f.clock.runUntil([&] { return f.observer.frames.size() == 2; }, 5000);
  ASSERT_EQ(f.observer.frames.size(), 2u);
  EXPECT_EQ(f.observer.frames[1].t, 2525);
}

TEST(StopOrContinueTest, AMenuGuardSwallowsOneRequest) {
  PacingFixture f;
  f.banner(600, 1, 3);
  f.load("Alpha beta gamma delta epsilon zeta eta theta iota kappa.");
  f.form.beginReading();
  f.form.tmReadTimer();
  f.rs.menuGuard = true;
  f.form.fevhStopOrContinue();
  EXPECT_EQ(f.rs.readerState, ReaderStateKind::Reading);
  EXPECT_FALSE(f.rs.menuGuard);
  f.form.fevhStopOrContinue();
  EXPECT_EQ(f.rs.readerState, ReaderStateKind::Paused);
}

TEST(StopOrContinueTest, StartingAndPastEndIgnoreTheRequest) {
  for (ReaderStateKind state : {ReaderStateKind::Starting, ReaderStateKind::PastEnd}) {
    PacingFixture f;
    f.banner(600, 1, 3);
    f.load("Alpha beta gamma delta epsilon zeta eta theta iota kappa.");
    f.rs.readerState = state;
    f.form.fevhStopOrContinue();
    EXPECT_EQ(f.rs.readerState, state);
    EXPECT_TRUE(f.observer.frames.empty());
    EXPECT_FALSE(f.form.tmRead->Enabled());
  }
}

TEST(StopOrContinueTest, RestartReadsTheFirstFrameAtOnce) {
  PacingFixture f;
  f.banner(600, 1, 3);
  f.load("Alpha beta gamma delta epsilon zeta eta theta iota kappa.");
  f.form.beginReading();
  f.form.tmReadTimer();
  f.clock.advance(2000);
  f.view.findBar = true;
  f.form.fevhRestart();
  EXPECT_EQ(f.observer.frames.back().start, 1);
  EXPECT_FALSE(f.view.findBar);
  EXPECT_EQ(f.rs.readerState, ReaderStateKind::Reading);
}

// --- A new document -------------------------------------------------------------------

TEST(DocumentStartTest, AutoStartReadsAtOnce) {
  PacingFixture f;
  f.banner(600, 1, 3);
  f.load("Alpha beta gamma delta epsilon zeta eta theta iota kappa.");
  f.form.prepareStart(true);
  EXPECT_EQ(f.rs.readerState, ReaderStateKind::Starting);
  f.form.startPreparedDocument();
  ASSERT_EQ(f.observer.frames.size(), 1u);
  EXPECT_EQ(f.observer.frames[0].start, 1);
  EXPECT_EQ(f.rs.readerState, ReaderStateKind::Reading);
  EXPECT_EQ(f.view.restores, 1);
  EXPECT_TRUE(f.form.tmRead->Enabled());
  ASSERT_FALSE(f.view.icons.empty());
  EXPECT_EQ(f.view.icons.back(), NavIcon::Play);
}

TEST(DocumentStartTest, WithoutAutoStartTheFirstFrameWaitsForSpace) {
  PacingFixture f;
  f.banner(600, 1, 3);
  f.load("Alpha beta gamma delta epsilon zeta eta theta iota kappa.");
  f.form.prepareStart(false);
  EXPECT_EQ(f.rs.readerState, ReaderStateKind::Paused);
  EXPECT_TRUE(f.rs.startPending);
  f.form.startPreparedDocument();
  EXPECT_EQ(f.rs.readerState, ReaderStateKind::Ended);
  EXPECT_FALSE(f.rs.startPending);
  EXPECT_EQ(f.view.hint, HintStart);
  ASSERT_FALSE(f.view.draws.empty());
  EXPECT_EQ(f.view.draws.back().lines, (std::vector<std::string>{"Alpha beta gamma"}));
  EXPECT_EQ(f.view.draws.back().level, 10);
  f.clock.advance(60000);
  EXPECT_TRUE(f.observer.frames.empty());
  f.form.fevhStopOrContinue();
  EXPECT_EQ(f.rs.readerState, ReaderStateKind::Reading);
  EXPECT_EQ(f.observer.frames.size(), 1u);
  EXPECT_EQ(f.view.hint, "");
}

TEST(MenuLoopTest, AnOpenMenuHaltsReadingAndClosingItResumes) {
  PacingFixture f;
  f.banner(600, 1, 3);
  f.load("Alpha beta gamma delta epsilon zeta eta theta iota kappa.");
  f.form.beginReading();
  f.form.tmReadTimer();
  f.form.enterMenuLoop();
  EXPECT_FALSE(f.form.tmRead->Enabled());
  EXPECT_TRUE(f.fade.menuLoopActive);
  f.clock.advance(10000);
  EXPECT_EQ(f.observer.frames.size(), 1u);
  f.form.exitMenuLoop();
  EXPECT_FALSE(f.fade.menuLoopActive);
  EXPECT_TRUE(f.form.tmRead->Enabled());
  f.clock.advance(f.form.tmRead->Interval());
  EXPECT_EQ(f.observer.frames.size(), 2u);
}

TEST(NavIconTest, AJumpShowsItsIconForOneTickThenPlayForOne) {
  PacingFixture f;
  f.banner(600, 1, 3);
  f.load("Alpha beta gamma delta epsilon zeta eta theta iota kappa lambda mu nu xi.");
  f.form.beginReading();
  f.rs.navIcon = NavIcon::FastForward;
  f.form.tmReadTimer();
  f.form.tmReadTimer();
  f.form.tmReadTimer();
  EXPECT_EQ(f.view.icons,
            (std::vector<NavIcon>{NavIcon::FastForward, NavIcon::Play, NavIcon::None}));
}

} // namespace
} // namespace reader::testing
