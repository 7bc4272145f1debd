// The banner fade cycle on the virtual clock: ten fade-in steps, the hold,
// ten fade-out steps and the closing tick that reads the next frame.
#include <gtest/gtest.h>

#include "pacing_fixture.h"

namespace reader::testing {
namespace {

// The (time, level) of each draw.
std::vector<std::pair<std::int64_t, int>> steps(const std::vector<Draw>& draws) {
  std::vector<std::pair<std::int64_t, int>> out;
  for (const Draw& d : draws)
    out.emplace_back(d.t, d.level);
  return out;
}

// Ten steps of 5 ms from `from`, fading in (levels 1..10) or out (9..0).
std::vector<std::pair<std::int64_t, int>> fiveMsSteps(std::int64_t from, bool in) {
  std::vector<std::pair<std::int64_t, int>> out;
  for (int i = 0; i < 10; ++i)
    out.emplace_back(from + 5 * i, in ? i + 1 : 9 - i);
  return out;
}

// A frame of `words` words in a banner layout, fading in from time 0.
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
  EXPECT_EQ(f.tmRead().Interval(), 545);
  EXPECT_EQ(f.tmFadeIn().Interval(), 5);

  f.clock.advance(49);
  EXPECT_EQ(steps(f.view.draws), fiveMsSteps(0, true));
  EXPECT_TRUE(f.fade.fadeInDone);
  EXPECT_EQ(f.view.clears, 1); // the strip is cleared before the first step

  // the hold: the frame timer is parked and the start tick waits out the rest
  f.clock.advance(1);
  EXPECT_FALSE(f.tmFadeIn().Enabled());
  EXPECT_EQ(f.tmRead().Interval(), ParkedReadInterval);
  EXPECT_TRUE(f.tmStartFade().Enabled());
  EXPECT_EQ(f.tmStartFade().Interval(), 545 - 50);
  EXPECT_EQ(f.tmFade().Interval(), 5);
  EXPECT_FALSE(f.fade.fadeOutDone);
  f.clock.advance(544 - 50);
  EXPECT_EQ(f.view.draws.size(), 10u); // nothing drawn during the hold

  f.clock.advance(56);
  EXPECT_EQ(steps(f.view.drawsFrom(545)), fiveMsSteps(545, false));
  // the closing tick runs the reading loop, which finds the (empty) document ended
  EXPECT_EQ(f.observer.ends, (std::vector<std::int64_t>{595}));
  EXPECT_FALSE(f.tmFade().Enabled());
}

TEST(FadeCycleTest, AStepOfOneWritesTheFrameAtFullStrengthAtOnce) {
  PacingFixture f;
  f.banner(300, 1, 3);
  f.form.setFrameTiming(3);
  f.tmRead().setEnabled(true);
  f.settings.WordsPerMinute = 600; // the step is kept from before
  f.tmFadeIn().setInterval(1);
  f.form.startFadeIn();
  ASSERT_FALSE(f.view.draws.empty());
  EXPECT_EQ(f.view.draws.front().level, 10);
  EXPECT_TRUE(f.fade.fadeInDone);
}

TEST(FadeCycleTest, StopTimersLeavesTheFrameAtFullStrengthWithBothFadesFinished) {
  PacingFixture f;
  fadeIn(f, 1, 3);
  f.clock.advance(12);
  f.form.stopTimers();
  EXPECT_FALSE(f.tmFadeIn().Enabled());
  EXPECT_FALSE(f.tmFade().Enabled());
  EXPECT_EQ(f.fade.fadeLevel, 10);
  EXPECT_TRUE(f.fade.fadeInDone);
  EXPECT_TRUE(f.fade.fadeOutDone);
  const std::size_t drawn = f.view.draws.size();
  f.clock.advance(30);
  EXPECT_EQ(f.view.draws.size(), drawn);
}

TEST(FadeCycleTest, AnOpenMenuHoldsTheFrameUntilItCloses) {
  PacingFixture f;
  fadeIn(f, 1, 3);
  f.clock.advance(100);
  f.fade.menuLoopActive = true;
  f.clock.advance(500); // tmStartFade fires at 545 with the menu open
  EXPECT_TRUE(f.view.drawsFrom(545).empty());
  EXPECT_FALSE(f.tmFade().Enabled());
  f.fade.menuLoopActive = false;
  f.clock.advance(495); // the next start tick, at 1040
  const std::vector<Draw> out = f.view.drawsFrom(545);
  ASSERT_FALSE(out.empty());
  EXPECT_EQ(out.front().t, 1040);
  EXPECT_EQ(out.front().level, 9);
}

// A frame whose fade-out outlasts the wait before it (seven one-word lines,
// as an edited settings file may ask for: no minimum, factor 1.0): the wait
// fires again during the fade-out, which must still end and hand over to the
// next tick.
TEST(FadeCycleTest, AFadeOutLongerThanItsWaitStillEnds) {
  PacingFixture f;
  fadeIn(f, 7, 1); // 200 ms; step Floor(1400 / 100) = 14 ms
  ASSERT_EQ(f.tmRead().Interval(), 200);
  f.clock.advance(1000);
  // fade-in to 140, wait 60, fade-out 200..326, closing tick at 340
  EXPECT_EQ(f.observer.ends, (std::vector<std::int64_t>{340}));
  EXPECT_EQ(f.view.draws.back().level, 0);
}

} // namespace
} // namespace reader::testing
