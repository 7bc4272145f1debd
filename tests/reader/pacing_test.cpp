// Frame intervals, fades, pauses and speed steps; the comments give the arithmetic.
#include <gtest/gtest.h>

#include "pacing_fixture.h"
#include "reader/speed_compensation.h"

namespace reader::testing {
namespace {

TEST(FrameTimingTest, IntervalFollowsSpeedLayoutRulesAndHeadings) {
  const struct {
    const char* what;
    bool sentence;
    int wpm, lines, words; // lines and words per screen apply to Banner only
    std::vector<int> rules;
    bool heading;
    std::int32_t frameWords;
    int interval;
  } cases[] = {
      // band 0, factor 0.917, effective Floor(50 / 0.917) = 54; 60000 / 54 * 4 = 4444.4
      {"more words than a line holds", false, 50, 1, 3, {}, false, 4, 4444},
      // Sentence, band 3, column 1: 0.885; effective Floor(350 / 0.885) = 395;
      // at least ten words' time from 350 on, twelve words as they are: 1822.8
      {"sentence of twelve at 350", true, 350, 0, 0, {}, false, 12, 1822},
      // two words: ten words' time from 350 on, 60000 / 395 * 10 = 1518.9, and five below,
      // Floor(349 / 0.885) = 394, 60000 / 394 * 5 = 761.4
      {"two words at 350", true, 350, 0, 0, {}, false, 2, 1518},
      {"two words at 349", true, 349, 0, 0, {}, false, 2, 761},
      // Sentence 300: effective 338, five words' time Floor(60000 / 338 * 5) = 887
      {"one-word heading", true, 300, 0, 0, {}, true, 1, 1596},       // 887 * 1.8
      {"six-word heading", true, 300, 0, 0, {}, true, 6, 1597},       // 1065 * 1.5
      {"nine words: no heading", true, 300, 0, 0, {}, true, 9, 1597}, // 1597.0 plain
      // column 3: 0.853, effective 351; 60000 / 351 * 5 = 854.7
      {"heading with paragraph delay", true, 300, 0, 0, {10}, true, 4, 854},
      // band 4: 0.917 - 0.045 * 4 / 13 = 0.903154, effective 442; 407.2
      {"banner heading at 400", false, 400, 1, 3, {}, true, 3, 407},
      // band 6: 0.89623, effective 669; 60000 / 669 * 3 = 269.1
      {"banner heading at 600", false, 600, 1, 3, {}, true, 1, 484}, // 269 * 1.8
      {"no words: next tick at once", false, 300, 1, 3, {}, false, 0, 1},
      {"sentence at negative speed", true, -5, 0, 0, {}, false, 3, 1},
      // seven places from an edited file: no minimum, factor 1.0; 60000 / 300
      {"out-of-range layout", false, 300, 7, 1, {}, false, 1, 200},
  };
  for (const auto& c : cases) {
    PacingFixture f;
    f.pace(c.sentence, c.wpm, c.lines, c.words);
    f.rules(c.rules);
    f.es.HeadingIcon = c.heading;
    EXPECT_EQ(f.timing(c.frameWords), c.interval) << c.what;
  }
}

// A one-word frame lasts as long as a frame of the layout's minimum words, one more lasts longer.
TEST(FrameTimingTest, ShortFramesAreTimedForTheLayoutsMinimum) {
  struct {
    int lines, words, timedAs;
  } const cases[] = {{1, 1, 1}, {2, 1, 2}, {2, 4, 3}, {3, 6, 6}};
  for (const auto& c : cases) {
    PacingFixture f;
    f.banner(120, c.lines, c.words);
    const int oneWord = f.timing(1);
    if (c.timedAs > 1) EXPECT_EQ(oneWord, f.timing(c.timedAs)) << c.lines << "x" << c.words;
    if (c.lines == 2 && c.words == 1) { // two one-word lines: always two words' time
      EXPECT_EQ(oneWord, f.timing(5));
    } else {
      EXPECT_LT(oneWord, f.timing(c.timedAs + 1)) << c.lines << "x" << c.words;
    }
  }
}

// Sentence mode by speed band (at the edges of the bands); Banner a tenth of
// a full frame in ten steps, at most 20.
TEST(FrameTimingTest, FadeStepFollowsTheSpeed) {
  const struct {
    bool sentence;
    int wpm, words, step;
  } cases[] = {{true, 100, 5, 10}, {true, 101, 5, 8},  {true, 400, 5, 4},
               {true, 401, 5, 2},  {false, 50, 3, 20}, // full frame 3333 ms: 33, lowered to 20
               {false, 500, 1, 1}};                    // band 5: effective 511, full frame 117 ms
  for (const auto& c : cases) {
    PacingFixture f;
    f.pace(c.sentence, c.wpm, 1, c.words);
    f.form.setFrameTiming(c.words);
    EXPECT_EQ(f.form.fadeStepLength(), c.step) << c.wpm;
  }
}

TEST(SpeedCompensationTest, OutsideTheTablesNothingIsCompensatedAndSpeedIsRoundedDown) {
  const int cases[][3] = {{0, 0, 3}, {0, 4, 3}, {0, 1, 0}, {0, 1, 7}};
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(layoutCompensation(c[0], true, true, c[1], c[2]), 1.0)
        << c[0] << " " << c[1] << "x" << c[2];
  EXPECT_EQ(effectiveSpeed(0, 0.9), 0);
  EXPECT_EQ(effectiveSpeed(3000, 0.6), 5000);
  EXPECT_EQ(effectiveSpeed(-10, 0.9), -12); // towards minus infinity, also below zero
}

using Steps = std::vector<std::pair<std::int64_t, int>>;

Steps steps(const std::vector<Draw>& draws) {
  Steps out;
  for (const Draw& d : draws)
    out.emplace_back(d.t, d.level);
  return out;
}

// A frame of `words` words in a banner layout at 300 wpm, fading in from time 0.
void fadeIn(PacingFixture& f, int lines, int words) {
  f.banner(300, lines, words);
  f.form.setFrameTiming(words);
  f.tmRead().setEnabled(true);
  f.form.startFadeIn();
}

// 300 wpm, one line of three words: band 3, factor 0.917 - 0.045 * 3 / 13,
// effective 330, full frame Floor(60000 / 330 * 3) = 545 ms, step 5 ms.
TEST(FadeCycleTest, AtThreeHundredFadesInHoldsAndFadesOutInFiveMillisecondSteps) {
  PacingFixture f;
  fadeIn(f, 1, 3);
  f.clock.advance(50);
  EXPECT_EQ(f.view.clears, 1); // the strip is cleared before the first step
  f.clock.advance(550);
  Steps expected; // levels 1..10 from 0 and 9..0 from 545, nothing during the hold
  for (int i = 0; i < 10; ++i)
    expected.emplace_back(5 * i, i + 1);
  for (int i = 0; i < 10; ++i)
    expected.emplace_back(545 + 5 * i, 9 - i);
  EXPECT_EQ(steps(f.view.draws), expected);
  // the closing tick runs the reading loop, which finds the (empty) document ended
  EXPECT_EQ(f.observer.ends, (std::vector<std::int64_t>{595}));
  EXPECT_FALSE(f.tmFade().Enabled());
}

TEST(FadeCycleTest, AnOpenMenuHoldsTheFrameUntilItCloses) {
  PacingFixture f;
  fadeIn(f, 1, 3);
  f.clock.advance(100);
  f.fade.menuLoopActive = true;
  f.clock.advance(500); // tmStartFade fires at 545 with the menu open
  EXPECT_TRUE(f.view.drawsFrom(545).empty());
  f.fade.menuLoopActive = false;
  f.clock.advance(495); // the next start tick, at 1040
  const std::vector<Draw> out = f.view.drawsFrom(545);
  ASSERT_FALSE(out.empty());
  EXPECT_EQ(out.front().t, 1040);
  EXPECT_EQ(out.front().level, 9);
}

// Seven one-word lines (an edited settings file: no minimum, factor 1.0): the
// wait fires again during the fade-out, which must still end and hand over.
TEST(FadeCycleTest, AFadeOutLongerThanItsWaitStillEnds) {
  PacingFixture f;
  fadeIn(f, 7, 1); // 200 ms; step Floor(1400 / 100) = 14 ms
  f.clock.advance(1000);
  // fade-in to 140, wait 60, fade-out 200..326, closing tick at 340
  EXPECT_EQ(f.observer.ends, (std::vector<std::int64_t>{340}));
  EXPECT_EQ(f.view.draws.back().level, 0);
}

TEST(PauseTest, PauseLengthFollowsRulesSpeedAndParagraphSize) {
  const struct {
    const char* what;
    std::vector<int> rules;
    int wpm;
    bool sentenceMode, paragraph, lineSentence, heading; // what the frame left
    std::uint32_t wordsSinceParagraph;
    int pause; // 0: no pause
  } cases[] = {
      // clang-format off
      // rules 9 and 10, band 3: 0.8 - 0.07 * 3 / 13 = 0.783846, effective 382; 180000 / 382
      {"small paragraph ends like a sentence", {8, 9, 10}, 300, false, true, true, false, 15, 471},
      {"twenty words are still small; rule 9 off", {8, 10}, 300, false, true, true, false, 20, 0},
      {"21 words end a paragraph", {8, 9, 10}, 300, false, true, true, false, 21, 706}, // 270000 / 382
      // rule 10 only, band 3: 0.878 - 0.031 * 3 / 13 = 0.870846, effective 344; 180000 / 344
      {"without rule 8 every paragraph pauses", {10}, 300, false, true, false, false, 3, 523},
      // one-line sentence layouts pause longer by speed (rules 9 and 10, 1 x 3)
      {"band 4", {9, 10}, 400, false, true, true, false, 0, 701},  // 360000 / 513
      {"heading paragraph: three words", {9, 10}, 300, false, true, true, true, 0, 471},
      {"sentence pause, sentence mode", {9}, 300, true, false, true, false, 0, 0},
      {"sentence pause, rule 9 off", {}, 300, false, false, true, false, 0, 0},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    PacingFixture f;
    f.rules(c.rules);
    f.banner(c.wpm, 1, 3);
    if (c.sentenceMode) f.sentence(c.wpm);
    f.form.updateEffectiveSpeed();
    f.rs.pendingDelay = true;
    f.rs.pendingParagraphDelay = c.paragraph;
    f.rs.lineSentenceDelay = c.lineSentence;
    f.es.HeadingFound = c.heading;
    f.es.WordCounter = 1000 + c.wordsSinceParagraph;
    f.rs.wordsAtLastParagraph = 1000;
    f.es.FrameLines[0] = "closing words.";
    f.tmRead().setEnabled(true);
    const std::int32_t position = f.es.CurrentPosition;
    f.form.tmReadTimer();
    if (c.pause == 0) {
      EXPECT_TRUE(f.observer.pauses.empty());
    } else {
      ASSERT_EQ(f.observer.pauses.size(), 1u);
      EXPECT_EQ(f.observer.pauses[0], c.pause);
      EXPECT_EQ(f.tmRead().Interval(), c.pause);
      // the pause tick blanks the strip, reads no frame and counts as reading time
      EXPECT_TRUE(f.observer.frames.empty());
      EXPECT_EQ(f.es.CurrentPosition, position);
      ASSERT_FALSE(f.view.draws.empty());
      EXPECT_TRUE(f.view.draws.back().lines.empty());
      EXPECT_DOUBLE_EQ(f.settings.TotalReadingTime, c.pause);
    }
    if (c.paragraph) {
      EXPECT_FALSE(f.rs.pendingDelay);
      EXPECT_EQ(f.rs.wordsAtLastParagraph, 1000 + c.wordsSinceParagraph);
    }
  }
}

TEST(SpeedStepTest, StepsStayWithinTheirLimitsAndTheStatusLineShowsTheNewSpeed) {
  const auto up = &TForm1::increaseSpeed, down = &TForm1::decreaseSpeed;
  const auto keyUp = &TForm1::speedUpKey, keyDown = &TForm1::speedDownKey;
  const struct {
    void (TForm1::*step)();
    int from, to;
  } cases[] = {{up, 2995, 3000},    {down, 300, 290},    {down, 15, 10},   {down, 5, 10},
               {keyUp, 2990, 3000}, {keyUp, 2991, 2991}, {keyDown, 15, 5}, {keyDown, 10, 10}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(&c - cases));
    PacingFixture f;
    f.banner(c.from, 1, 3);
    (f.form.*c.step)();
    EXPECT_EQ(f.settings.WordsPerMinute, c.to);
    ASSERT_FALSE(f.view.positions.empty());
    const std::string& text = f.view.positions.back();
    EXPECT_EQ(text.substr(text.find('|')), "| " + std::to_string(c.to) + " wpm (1 x 3)");
  }
}

TEST(SpeedKeyTest, OnlyTheArrowKeysWithAnAutomaticLayoutChangeTheLayout) {
  PacingFixture f;
  f.banner(1400, 1, 6);
  f.form.speedUpKey(); // custom: the layout stays
  f.settings.SpeedSettingsSelection = engine::SpeedSelection::Automatic;
  f.form.increaseSpeed(); // 1420 from the menu: the layout stays
  EXPECT_EQ(f.settings.LinesPerScreen, 1);
  f.form.speedDownKey(); // 1410: two lines of four words
  EXPECT_EQ(f.settings.LinesPerScreen, 2);
  EXPECT_EQ(f.settings.WordsPerScreen, 4);
  EXPECT_EQ(f.es.LinesInFrame, 2);
  f.form.speedDownKey(); // 1400: one line of six
  EXPECT_EQ(f.settings.LinesPerScreen, 1);
  EXPECT_EQ(f.settings.WordsPerScreen, 6);
  EXPECT_EQ(f.es.LinesInFrame, 1);
  f.settings.ReadingMode = engine::ReadingModeKind::Single; // the column modes keep the speed
  f.form.speedUpKey();
  f.form.speedDownKey();
  EXPECT_EQ(f.settings.WordsPerMinute, 1400);
}

TEST(SpeedKeyTest, ASpeedChangeTakesEffectAtTheNextFrameAndIsClippedToThreeThousand) {
  PacingFixture f;
  f.banner(300, 1, 3);
  const int current = f.timing(3);
  f.form.increaseSpeed();
  EXPECT_EQ(f.tmRead().Interval(), current);
  EXPECT_LT(f.timing(3), current);
  f.settings.WordsPerMinute = 3500;
  f.form.updateLabels();
  EXPECT_EQ(f.settings.WordsPerMinute, 3000);
}

} // namespace
} // namespace reader::testing
