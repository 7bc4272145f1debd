// The frame interval: speed compensation, the fewest words a frame is timed
// for in each layout, Sentence mode's minimum and the heading lengthening.
// Expected intervals are worked out by hand from the compensation tables
// (comments give the arithmetic).
#include <gtest/gtest.h>

#include "pacing_fixture.h"

namespace reader::testing {
namespace {

TEST(FrameTimingTest, SlowBannerOneLineOfThree) {
  PacingFixture f;
  f.banner(50, 1, 3);
  // band 0, factor 0.917, effective Floor(50 / 0.917) = 54, 60000 / 54 * 3 = 3333.3
  EXPECT_EQ(f.timing(3), 3333);
  EXPECT_EQ(f.rs.EffectiveWordsPerMinute, 54);
  // a one-word last line takes a whole line's time
  EXPECT_EQ(f.timing(1), 3333);
  EXPECT_EQ(f.timing(2), 3333);
  // more words than a line holds are timed as they are: 60000 / 54 * 4 = 4444.4
  EXPECT_EQ(f.timing(4), 4444);
}

TEST(FrameTimingTest, FastTwoLinesOfFourTimesAtLeastThreeWords) {
  PacingFixture f;
  f.banner(2600, 2, 4);
  // band 13, factor 0.934, effective 2783; 60000 / 2783 * 3 = 64.7
  EXPECT_EQ(f.timing(2), 64);
  EXPECT_EQ(f.rs.EffectiveWordsPerMinute, 2783);
  EXPECT_EQ(f.timing(3), 64);
  // 60000 / 2783 * 4 = 86.2
  EXPECT_EQ(f.timing(4), 86);
}

struct MinimumCase {
  int lines, words; // layout
  int timedAs;      // fewest words a one-word frame is timed for
};

class MinimumWordsTest : public ::testing::TestWithParam<MinimumCase> {};

// A one-word frame lasts as long as a frame of the minimum, and a frame of
// one word more than the minimum lasts longer.
TEST_P(MinimumWordsTest, ShortFramesAreTimedForTheLayoutsMinimum) {
  const MinimumCase& c = GetParam();
  PacingFixture f;
  f.banner(120, c.lines, c.words);
  const int oneWord = f.timing(1);
  EXPECT_EQ(oneWord, f.timing(c.timedAs));
  if (c.lines * c.words != 2) {
    EXPECT_LT(oneWord, f.timing(c.timedAs + 1));
  }
}

INSTANTIATE_TEST_SUITE_P(Layouts, MinimumWordsTest,
                         ::testing::Values(MinimumCase{1, 2, 2}, MinimumCase{1, 4, 4},
                                           MinimumCase{1, 6, 6}, MinimumCase{2, 1, 2},
                                           MinimumCase{2, 3, 2}, MinimumCase{3, 2, 2},
                                           MinimumCase{2, 4, 3}, MinimumCase{3, 3, 3},
                                           MinimumCase{2, 5, 4}, MinimumCase{2, 6, 4},
                                           MinimumCase{3, 4, 4}, MinimumCase{3, 5, 5},
                                           MinimumCase{3, 6, 6}));

TEST(FrameTimingTest, TwoPlaceFramesAreAlwaysTimedForTwoWords) {
  PacingFixture f;
  f.banner(120, 2, 1);
  EXPECT_EQ(f.timing(5), f.timing(2));
}

TEST(FrameTimingTest, OneWordLinesAreTimedAsTheyAre) {
  PacingFixture f;
  f.banner(120, 1, 1);
  EXPECT_LT(f.timing(1), f.timing(2));
}

TEST(FrameTimingTest, SentenceModeMinimumDependsOnSpeed) {
  PacingFixture f;
  f.sentence(349);
  // band 3, column 1: 0.885; effective Floor(349 / 0.885) = 394;
  // five words' time: 60000 / 394 * 5 = 761.4
  EXPECT_EQ(f.timing(2), 761);
  f.sentence(350);
  // effective Floor(350 / 0.885) = 395; ten words' time: 60000 / 395 * 10 = 1519.0-
  EXPECT_EQ(f.timing(2), 1518);
  // twelve words are timed as twelve: 60000 / 395 * 12 = 1822.8
  EXPECT_EQ(f.timing(12), 1822);
}

struct HeadingCase {
  int words;
  int interval;
};

class SentenceHeadingTest : public ::testing::TestWithParam<HeadingCase> {};

TEST_P(SentenceHeadingTest, HeadingsLastLonger) {
  PacingFixture f;
  f.sentence(300);
  f.es.HeadingIcon = true;
  EXPECT_EQ(f.timing(GetParam().words), GetParam().interval);
}

// 300 wpm, band 3, column 1: effective Floor(300 / 0.885) = 338; five words'
// time Floor(60000 / 338 * 5) = 887.
INSTANTIATE_TEST_SUITE_P(Lengthening, SentenceHeadingTest,
                         ::testing::Values(HeadingCase{1, 1596}, // 887 * 1.8 = 1596.6
                                           HeadingCase{4, 1419}, // 887 * 1.6 = 1419.2
                                           HeadingCase{5, 1374}, // 887 * 1.55 = 1374.85
                                           // 6 words: Floor(60000 / 338 * 6) = 1065, * 1.5
                                           HeadingCase{6, 1597},
                                           // above HeadingMaxWords: 1597.0 plain
                                           HeadingCase{9, 1597}));

TEST(FrameTimingTest, SentenceHeadingWithParagraphDelayIsNotLengthened) {
  PacingFixture f;
  f.sentence(300);
  f.rules({10});
  f.es.HeadingIcon = true;
  // column 3: 0.853, effective Floor(300 / 0.853) = 351; 60000 / 351 * 5 = 854.7
  EXPECT_EQ(f.timing(4), 854);
}

TEST(FrameTimingTest, BannerHeadingLengthensOnlyAboveFiveHundred) {
  PacingFixture f;
  f.banner(400, 1, 3);
  const int plain = f.timing(3);
  f.es.HeadingIcon = true;
  EXPECT_EQ(f.timing(3), plain);

  f.es.HeadingIcon = false;
  f.banner(600, 1, 3);
  // band 6: 0.917 - 0.045 * 6 / 13 = 0.89623; effective 669; 60000 / 669 * 3 = 269.1
  EXPECT_EQ(f.timing(1), 269);
  f.es.HeadingIcon = true;
  EXPECT_EQ(f.timing(1), 484); // 269 * 1.8 = 484.2
}

TEST(FrameTimingTest, NoWordsAsksForTheNextTickAtOnce) {
  PacingFixture f;
  f.banner(300, 1, 3);
  EXPECT_EQ(f.timing(0), 1);
}

TEST(FrameTimingTest, SpeedsOfZeroOrBelowNeverDivideByZero) {
  PacingFixture f;
  for (int wpm : {0, -5, -300}) {
    f.banner(wpm, 1, 3);
    EXPECT_EQ(f.timing(3), 1) << wpm;
    f.sentence(wpm);
    EXPECT_EQ(f.timing(3), 1) << wpm;
  }
}

TEST(FrameTimingTest, OutOfRangeLayoutFromAnEditedFileIsTimedUncompensated) {
  PacingFixture f;
  f.banner(300, 7, 1);         // seven places: no minimum, factor 1.0
  EXPECT_EQ(f.timing(1), 200); // 60000 / 300
}

} // namespace
} // namespace reader::testing
