// The speed steps of the menus and of the Up and Down arrows, with their
// different limits.
#include <gtest/gtest.h>

#include "pacing_fixture.h"

namespace reader::testing {
namespace {

enum class Step { MenuUp, MenuDown, KeyUp, KeyDown };

TEST(SpeedStepTest, StepsStayWithinTheirLimits) {
  struct {
    Step step;
    int from, to;
  } const cases[] = {
      {Step::MenuUp, 300, 310},   {Step::MenuUp, 2995, 3000}, {Step::MenuUp, 2999, 3000},
      {Step::MenuUp, 3000, 3000}, {Step::MenuDown, 300, 290}, {Step::MenuDown, 15, 10},
      {Step::MenuDown, 10, 10},   {Step::MenuDown, 5, 10},    {Step::KeyUp, 300, 310},
      {Step::KeyUp, 2990, 3000},  {Step::KeyUp, 2991, 2991},  {Step::KeyUp, 2995, 2995},
      {Step::KeyUp, 3000, 3000},  {Step::KeyDown, 300, 290},  {Step::KeyDown, 20, 10},
      {Step::KeyDown, 15, 5},     {Step::KeyDown, 10, 10},    {Step::KeyDown, 5, 5}};
  const char* names[] = {"menu up", "menu down", "key up", "key down"};
  for (const auto& c : cases) {
    PacingFixture f;
    f.banner(c.from, 1, 3);
    void (TForm1::*const steps[])() = {&TForm1::increaseSpeed, &TForm1::decreaseSpeed,
                                       &TForm1::speedUpKey, &TForm1::speedDownKey};
    (f.form.*steps[static_cast<int>(c.step)])();
    const char* name = names[static_cast<int>(c.step)];
    EXPECT_EQ(f.settings.WordsPerMinute, c.to) << name << " from " << c.from;
    // the status line shows the new speed
    ASSERT_FALSE(f.view.positions.empty()) << name;
    const std::string& text = f.view.positions.back();
    EXPECT_EQ(text.substr(text.find('|')), "| " + std::to_string(c.to) + " wpm (1 x 3)") << name;
  }
}

TEST(SpeedKeyTest, AutomaticLayoutFollowsTheArrowKeys) {
  PacingFixture f;
  f.banner(1400, 1, 6);
  f.settings.SpeedSettingsSelection = engine::SpeedSelection::Automatic;
  f.form.speedUpKey(); // 1410: two lines of four words
  EXPECT_EQ(f.settings.LinesPerScreen, 2);
  EXPECT_EQ(f.settings.WordsPerScreen, 4);
  EXPECT_EQ(f.es.LinesInFrame, 2);
  f.form.speedDownKey(); // 1400: one line of six
  EXPECT_EQ(f.settings.LinesPerScreen, 1);
  EXPECT_EQ(f.settings.WordsPerScreen, 6);
  EXPECT_EQ(f.es.LinesInFrame, 1);
}

TEST(SpeedKeyTest, CustomLayoutAndTheMenusLeaveTheLayoutAlone) {
  PacingFixture f;
  f.banner(1400, 1, 6);
  f.form.speedUpKey();
  EXPECT_EQ(f.settings.LinesPerScreen, 1);
  f.settings.SpeedSettingsSelection = engine::SpeedSelection::Automatic;
  f.form.increaseSpeed();
  EXPECT_EQ(f.settings.WordsPerMinute, 1420);
  EXPECT_EQ(f.settings.LinesPerScreen, 1);
  EXPECT_EQ(f.settings.WordsPerScreen, 6);
}

TEST(SpeedKeyTest, ArrowsDoNotChangeTheSpeedInTheColumnModes) {
  PacingFixture f;
  f.banner(300, 1, 3);
  f.settings.ReadingMode = engine::ReadingModeKind::Single;
  f.form.speedUpKey();
  f.form.speedDownKey();
  EXPECT_EQ(f.settings.WordsPerMinute, 300);
}

TEST(SpeedKeyTest, ASpeedChangeTakesEffectAtTheNextFrame) {
  PacingFixture f;
  f.banner(300, 1, 3);
  f.form.setFrameTiming(3);
  const int current = f.tmRead().Interval();
  f.form.increaseSpeed();
  EXPECT_EQ(f.tmRead().Interval(), current);
  f.form.setFrameTiming(3);
  EXPECT_LT(f.tmRead().Interval(), current);
}

TEST(UpdateLabelsTest, ClipsTheSpeedToThreeThousand) {
  PacingFixture f;
  f.banner(3500, 1, 3);
  f.form.updateLabels();
  EXPECT_EQ(f.settings.WordsPerMinute, 3000);
}

} // namespace
} // namespace reader::testing
