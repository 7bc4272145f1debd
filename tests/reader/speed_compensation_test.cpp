#include <gtest/gtest.h>

#include <cmath>

#include "reader/speed_compensation.h"

namespace reader {
namespace {

struct BandCase {
  int wpm;
  int band;
};

class SpeedBandTest : public ::testing::TestWithParam<BandCase> {};

TEST_P(SpeedBandTest, SpeedFallsInItsBand) {
  EXPECT_EQ(speedBand(GetParam().wpm), GetParam().band) << GetParam().wpm;
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, SpeedBandTest,
    ::testing::Values(BandCase{0, 0}, BandCase{50, 0}, BandCase{99, 0}, BandCase{100, 1},
                      BandCase{300, 3}, BandCase{349, 3}, BandCase{500, 5}, BandCase{999, 9},
                      BandCase{1000, 10}, BandCase{1499, 10}, BandCase{1500, 11},
                      BandCase{2000, 12}, BandCase{2600, 13}, BandCase{2999, 13},
                      // outside every band
                      BandCase{3000, 13}, BandCase{32767, 13}, BandCase{-1, 13}));

struct SentenceCase {
  int band;
  bool rule10, rule5;
  double factor;
};

class SentenceCompensationTest : public ::testing::TestWithParam<SentenceCase> {};

TEST_P(SentenceCompensationTest, ColumnFollowsRulesFiveAndTen) {
  const SentenceCase& c = GetParam();
  EXPECT_DOUBLE_EQ(sentenceCompensation(c.band, c.rule10, c.rule5), c.factor);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SentenceCompensationTest,
    ::testing::Values(
        // column 0: rule 10 off, rule 5 on; 1: both off; 2: both on; 3: 10 on, 5 off
        SentenceCase{0, false, true, 0.972}, SentenceCase{0, false, false, 0.965},
        SentenceCase{0, true, true, 0.941}, SentenceCase{0, true, false, 0.932},
        SentenceCase{3, false, true, 0.901}, SentenceCase{3, false, false, 0.885},
        SentenceCase{3, true, true, 0.884}, SentenceCase{3, true, false, 0.853},
        SentenceCase{8, false, false, 0.878}, SentenceCase{11, true, true, 0.845},
        SentenceCase{13, false, true, 0.869}, SentenceCase{13, false, false, 0.855},
        SentenceCase{13, true, true, 0.854}, SentenceCase{13, true, false, 0.826}));

struct LayoutEndCase {
  bool rule9, rule10;
  int lines;
  int words;
  double slowest; // band 0
  double fastest; // band 13
};

class LayoutEndsTest : public ::testing::TestWithParam<LayoutEndCase> {};

TEST_P(LayoutEndsTest, SlowestAndFastestRowsAreAsGiven) {
  const LayoutEndCase& c = GetParam();
  EXPECT_DOUBLE_EQ(layoutCompensation(0, c.rule9, c.rule10, c.lines, c.words), c.slowest);
  EXPECT_DOUBLE_EQ(layoutCompensation(13, c.rule9, c.rule10, c.lines, c.words), c.fastest);
}

INSTANTIATE_TEST_SUITE_P(EveryTable, LayoutEndsTest,
                         ::testing::Values(LayoutEndCase{true, true, 1, 1, 0.85, 0.63},
                                           LayoutEndCase{true, true, 1, 6, 0.75, 0.73},
                                           LayoutEndCase{true, true, 2, 3, 0.946, 0.891},
                                           LayoutEndCase{true, true, 3, 5, 0.928, 0.868},
                                           LayoutEndCase{true, false, 1, 2, 0.821, 0.794},
                                           LayoutEndCase{true, false, 2, 6, 0.991, 0.938},
                                           LayoutEndCase{true, false, 3, 1, 0.987, 0.924},
                                           LayoutEndCase{false, true, 1, 1, 0.958, 0.91},
                                           LayoutEndCase{false, true, 2, 4, 0.938, 0.898},
                                           LayoutEndCase{false, true, 3, 6, 0.929, 0.877},
                                           LayoutEndCase{false, false, 1, 3, 0.917, 0.872},
                                           LayoutEndCase{false, false, 2, 2, 0.99, 0.9345},
                                           LayoutEndCase{false, false, 2, 4, 0.989, 0.934},
                                           LayoutEndCase{false, false, 3, 3, 0.9925, 0.934}));

// Bands 1..12 lie evenly on the line between the two given rows, in every
// table and column, and every factor stays in 0.6..1.0.
TEST(LayoutCompensationTest, MiddleBandsLieEvenlyBetweenTheGivenRows) {
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

TEST(LayoutCompensationTest, MiddleBandMatchesHandInterpolation) {
  // neither rule, 1 line, 3 words: 0.917 at band 0, 0.872 at band 13; band 3
  // is 0.917 - 0.045 * 3 / 13 = 0.9066153...
  EXPECT_NEAR(layoutCompensation(3, false, false, 1, 3), 0.906615, 1e-6);
}

struct OutsideCase {
  int band, lines, words;
};

class LayoutOutsideTest : public ::testing::TestWithParam<OutsideCase> {};

TEST_P(LayoutOutsideTest, LayoutsOutsideTheTablesAreNotCompensated) {
  const OutsideCase& c = GetParam();
  EXPECT_DOUBLE_EQ(layoutCompensation(c.band, true, true, c.lines, c.words), 1.0);
}

INSTANTIATE_TEST_SUITE_P(Ranges, LayoutOutsideTest,
                         ::testing::Values(OutsideCase{0, 0, 3}, OutsideCase{0, 4, 3},
                                           OutsideCase{5, 5, 6}, OutsideCase{0, 1, 0},
                                           OutsideCase{0, 1, 7}, OutsideCase{-1, 1, 3},
                                           OutsideCase{14, 1, 3}));

struct EffectiveCase {
  int wpm;
  double factor;
  int effective;
};

class EffectiveSpeedTest : public ::testing::TestWithParam<EffectiveCase> {};

TEST_P(EffectiveSpeedTest, SpeedIsDividedByTheFactorAndRoundedDown) {
  const EffectiveCase& c = GetParam();
  EXPECT_EQ(effectiveSpeed(c.wpm, c.factor), c.effective);
}

INSTANTIATE_TEST_SUITE_P(Cases, EffectiveSpeedTest,
                         ::testing::Values(EffectiveCase{50, 0.917, 54},     // 54.52
                                           EffectiveCase{2600, 0.934, 2783}, // 2783.7
                                           EffectiveCase{300, 1.0, 300}, EffectiveCase{0, 0.9, 0},
                                           EffectiveCase{3000, 0.6, 5000},
                                           // rounding is towards minus infinity, also below zero
                                           EffectiveCase{-10, 0.9, -12},
                                           // a factor that is not a factor is taken as 1
                                           EffectiveCase{400, 0.0, 400}));

} // namespace
} // namespace reader
