#include <gtest/gtest.h>

#include <cmath>

#include "reader/speed_compensation.h"

namespace reader {
namespace {

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
} // namespace reader
