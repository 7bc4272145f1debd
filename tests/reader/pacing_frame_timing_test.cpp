// The frame interval: speed compensation, the fewest words a frame is timed
// for in each layout, Sentence mode's minimum and the heading lengthening.
// Expected intervals are worked out by hand from the compensation tables
// (comments give the arithmetic); the reading loop tests check the same
// rules end to end. The compensation tables' shape is checked at the end.
#include <gtest/gtest.h>

#include <cmath>

#include "pacing_fixture.h"
#include "reader/speed_compensation.h"

namespace reader::testing {
namespace {

struct TimingCase {
  const char* what;
  bool sentence;
  int wpm, lines, words; // lines and words per screen apply to Banner only
  std::vector<int> rules;
  bool heading;
  std::int32_t frameWords;
  int interval;
};

TEST(FrameTimingTest, IntervalFollowsSpeedLayoutRulesAndHeadings) {
  const TimingCase cases[] = {
      // band 0, factor 0.917, effective Floor(50 / 0.917) = 54; 60000 / 54 * 3 = 3333.3
      {"slow two words", false, 50, 1, 3, {}, false, 2, 3333},
      {"more words than a line holds", false, 50, 1, 3, {}, false, 4, 4444}, // 4444.4
      // band 13, factor 0.934, effective 2783; three words' time 64.7
      {"fast three-word frame", false, 2600, 2, 4, {}, false, 3, 64},
      {"fast four-word frame", false, 2600, 2, 4, {}, false, 4, 86}, // 86.2
      // Sentence, band 3, column 1: 0.885; effective Floor(350 / 0.885) = 395;
      // at least ten words' time from 350 on, twelve words as they are: 1822.8
      {"sentence of twelve at 350", true, 350, 0, 0, {}, false, 12, 1822},
      // Sentence 300: effective 338, five words' time Floor(60000 / 338 * 5) = 887
      {"one-word heading", true, 300, 0, 0, {}, true, 1, 1596},       // 887 * 1.8
      {"five-word heading", true, 300, 0, 0, {}, true, 5, 1374},      // 887 * 1.55
      {"six-word heading", true, 300, 0, 0, {}, true, 6, 1597},       // 1065 * 1.5
      {"nine words: no heading", true, 300, 0, 0, {}, true, 9, 1597}, // 1597.0 plain
      // column 3: 0.853, effective 351; 60000 / 351 * 5 = 854.7
      {"heading with paragraph delay", true, 300, 0, 0, {10}, true, 4, 854},
      // band 4: 0.917 - 0.045 * 4 / 13 = 0.903154, effective 442; 407.2
      {"banner at 400", false, 400, 1, 3, {}, false, 3, 407},
      {"banner heading at 400", false, 400, 1, 3, {}, true, 3, 407},
      // band 6: 0.89623, effective 669; 60000 / 669 * 3 = 269.1
      {"banner at 600", false, 600, 1, 3, {}, false, 1, 269},
      {"banner heading at 600", false, 600, 1, 3, {}, true, 1, 484}, // 269 * 1.8
      {"no words: next tick at once", false, 300, 1, 3, {}, false, 0, 1},
      {"zero speed", false, 0, 1, 3, {}, false, 3, 1},
      {"negative speed", false, -300, 1, 3, {}, false, 3, 1},
      {"sentence at zero speed", true, 0, 0, 0, {}, false, 3, 1},
      {"sentence at negative speed", true, -5, 0, 0, {}, false, 3, 1},
      // seven places from an edited file: no minimum, factor 1.0; 60000 / 300
      {"out-of-range layout", false, 300, 7, 1, {}, false, 1, 200},
  };
  for (const TimingCase& c : cases) {
    PacingFixture f;
    if (c.sentence)
      f.sentence(c.wpm);
    else
      f.banner(c.wpm, c.lines, c.words);
    f.rules(c.rules);
    f.es.HeadingIcon = c.heading;
    EXPECT_EQ(f.timing(c.frameWords), c.interval) << c.what;
  }
}

// A one-word frame lasts as long as a frame of the layout's minimum, and a
// frame of one word more than the minimum lasts longer.
TEST(FrameTimingTest, ShortFramesAreTimedForTheLayoutsMinimum) {
  struct {
    int lines, words, timedAs;
  } const cases[] = {{1, 1, 1}, {1, 2, 2}, {1, 4, 4}, {1, 6, 6}, {2, 1, 2}, {2, 3, 2}, {3, 2, 2},
                     {2, 4, 3}, {3, 3, 3}, {2, 5, 4}, {2, 6, 4}, {3, 4, 4}, {3, 5, 5}, {3, 6, 6}};
  for (const auto& c : cases) {
    PacingFixture f;
    f.banner(120, c.lines, c.words);
    const int oneWord = f.timing(1);
    EXPECT_EQ(oneWord, f.timing(c.timedAs)) << c.lines << "x" << c.words;
    if (c.lines == 2 && c.words == 1) { // two one-word lines: always two words' time
      EXPECT_EQ(oneWord, f.timing(5));
    } else if (c.lines * c.words != 2) {
      EXPECT_LT(oneWord, f.timing(c.timedAs + 1)) << c.lines << "x" << c.words;
    }
  }
}

TEST(FrameTimingTest, FadeStepFollowsTheSpeed) {
  // Sentence mode: by speed band
  const std::pair<int, int> sentence[] = {{50, 10}, {100, 10}, {101, 8}, {200, 8}, {201, 6},
                                          {300, 6}, {301, 4},  {400, 4}, {401, 2}, {500, 2}};
  for (auto [wpm, step] : sentence) {
    PacingFixture f;
    f.sentence(wpm);
    f.form.setFrameTiming(5);
    EXPECT_EQ(f.form.fadeStepLength(), step) << wpm;
  }
  // Banner: a tenth of a full frame in ten steps, at most 20
  const int banner[][3] = {{50, 3, 20},  // full frame 3333 ms: 33, lowered to 20
                           {300, 3, 5},  // 545 ms
                           {500, 1, 1}}; // band 5: effective 511, full frame 117 ms
  for (const auto& c : banner) {
    PacingFixture f;
    f.banner(c[0], 1, c[1]);
    f.form.setFrameTiming(c[1]);
    EXPECT_EQ(f.form.fadeStepLength(), c[2]) << c[0];
  }
}

// Bands 1..12 lie evenly on the line between the two given rows, in every
// table and column, and every factor stays in 0.6..1.0. The pacing tests use
// the tables with rule 10, without rules, and with both; rule 9 alone is here.
TEST(SpeedCompensationTest, MiddleBandsLieEvenlyBetweenTheGivenRows) {
  EXPECT_DOUBLE_EQ(layoutCompensation(0, true, false, 2, 6), 0.991);
  EXPECT_DOUBLE_EQ(layoutCompensation(13, true, false, 2, 6), 0.938);
  for (bool rule9 : {false, true})
    for (bool rule10 : {false, true})
      for (int lines = 1; lines <= 3; ++lines)
        for (int words = 1; words <= 6; ++words) {
          const double first = layoutCompensation(0, rule9, rule10, lines, words);
          const double last = layoutCompensation(13, rule9, rule10, lines, words);
          const double step = (last - first) / 13.0;
          for (int band = 1; band <= 12; ++band) {
            const double f = layoutCompensation(band, rule9, rule10, lines, words);
            EXPECT_NEAR(f - layoutCompensation(band - 1, rule9, rule10, lines, words), step, 1e-12);
            EXPECT_GE(f, std::min(first, last));
            EXPECT_LE(f, std::max(first, last));
            EXPECT_GE(f, 0.6);
            EXPECT_LE(f, 1.0);
          }
        }
}

TEST(SpeedCompensationTest, LayoutsAndBandsOutsideTheTablesAreNotCompensated) {
  const int cases[][3] = {{0, 0, 3}, {0, 4, 3},  {5, 5, 6}, {0, 1, 0},
                          {0, 1, 7}, {-1, 1, 3}, {14, 1, 3}}; // band, lines, words
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(layoutCompensation(c[0], true, true, c[1], c[2]), 1.0)
        << c[0] << " " << c[1] << "x" << c[2];
}

TEST(SpeedCompensationTest, SpeedIsDividedByTheFactorAndRoundedDown) {
  struct {
    int wpm;
    double factor;
    int effective;
  } const cases[] = {{50, 0.917, 54},   {2600, 0.934, 2783}, {300, 1.0, 300}, {0, 0.9, 0},
                     {3000, 0.6, 5000}, {-10, 0.9, -12}, // towards minus infinity, also below zero
                     {400, 0.0, 400}}; // a factor that is not a factor is taken as 1
  for (const auto& c : cases)
    EXPECT_EQ(effectiveSpeed(c.wpm, c.factor), c.effective) << c.wpm << " / " << c.factor;
}

} // namespace
} // namespace reader::testing
