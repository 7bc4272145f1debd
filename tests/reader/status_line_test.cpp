// The status line and the hint as TForm1 decides them: the position text of
// each mode, the messages of panel 1 and the blinking of a halted hint.
#include <gtest/gtest.h>

#include "pacing_fixture.h"

namespace reader::testing {
namespace {

using engine::ReadingModeKind;

TEST(StatusLine, ThePositionTextOfEachMode) {
  const struct {
    ReadingModeKind mode;
    bool findBar;
    const char* text;
  } cases[] = {
      {ReadingModeKind::Banner, false, "42% | 300 wpm (1 x 3)"},
      {ReadingModeKind::Sentence, false, "42% | 300 wpm "},
      {ReadingModeKind::Single, false, "42%"},
      {ReadingModeKind::Double, false, "42%"},
      {ReadingModeKind::Banner, true, "42%"},
  };
  for (const auto& c : cases) {
    PacingFixture f;
    f.banner(300, 1, 3);
    f.settings.ReadingMode = c.mode;
    f.load(std::string(100, 'x'));
    f.parts.window.search.FindActive = c.findBar;
    f.es.CurrentPosition = 42;
    f.form.UpdatePercent();
    ASSERT_FALSE(f.view.positions.empty());
    EXPECT_EQ(f.view.positions.back(), c.text) << static_cast<int>(c.mode);
    EXPECT_EQ(f.view.bars.back(), 4200);
  }
}

TEST(StatusLine, TheBarShowsTheFurthestPointAndAShorterDocumentResetsIt) {
  PacingFixture f;
  f.banner(300, 1, 3);
  f.load(std::string(1000, 'x'));
  f.es.CurrentPosition = 500;
  f.form.UpdatePercent();
  f.es.CurrentPosition = 100;
  f.form.UpdatePercent();
  EXPECT_EQ(f.view.bars.back(), 5000);
  EXPECT_EQ(f.parts.window.lastReadPosition, 500);
  f.load(std::string(200, 'x')); // a new, shorter document, read from its start
  f.form.UpdatePercent();
  EXPECT_EQ(f.parts.window.lastReadPosition, 1);
  EXPECT_EQ(f.view.bars.back(), 50);
}

TEST(StatusLine, MessagesGoOnlyWhenTheyAreTheirOwn) {
  PacingFixture f;
  f.banner(300, 1, 3);
  f.form.showHeadingIcon();
  f.form.hidePictureIcon(); // not the picture's message: it stays
  EXPECT_EQ(f.view.status(), "Heading detected");
  f.form.showFastForwardIcon(NavIcon::None); // nor a navigation message
  EXPECT_EQ(f.view.status(), "Heading detected");
  f.form.hideHeadingIcon();
  EXPECT_EQ(f.view.status(), "");
  f.form.showFastForwardIcon(NavIcon::Rewind);
  f.form.showFastForwardIcon(NavIcon::None);
  EXPECT_EQ(f.view.messages, (std::vector<std::string>{"Heading detected", "", "Rewind", ""}));
  // The column modes show no navigation message.
  f.settings.ReadingMode = ReadingModeKind::Double;
  f.form.showFastForwardIcon(NavIcon::Play);
  EXPECT_EQ(f.view.status(), "");
}

TEST(StatusLine, InSingleModeAHeadingHidesTheHintAndAHintClearsTheMessage) {
  PacingFixture f;
  f.settings.ReadingMode = ReadingModeKind::Single;
  f.form.setInfoText(HintNextPage);
  f.form.showHeadingIcon();
  EXPECT_EQ(f.view.hintHides, 1);
  EXPECT_EQ(f.form.infoText(), "");
  f.form.setInfoText(HintNextPage);
  EXPECT_EQ(f.view.status(), "");
}

TEST(StatusLine, ATimedMessageClearsItselfAfterASecond) {
  PacingFixture f;
  f.form.showTimedStatusMessage("AutoSkim On");
  f.clock.advance(999);
  EXPECT_EQ(f.view.status(), "AutoSkim On");
  f.clock.advance(1);
  EXPECT_EQ(f.view.status(), "");
  EXPECT_FALSE(f.tmHideInfo().Enabled());
}

TEST(HintBlink, AHaltedBannerHintBlinksWithAPeriodOfThreeSeconds) {
  PacingFixture f;
  f.banner(300, 1, 3);
  std::string text;
  for (int i = 0; i < 30; ++i)
    text += "Alpha beta gamma delta epsilon. ";
  f.load(text);
  f.start();
  f.clock.advance(1050);
  f.form.fevhStopOrContinue(); // pause
  f.clock.advance(5000);
  const std::vector<std::pair<std::int64_t, bool>> blinks = {
      {2500, false}, {4000, true}, {5500, false}}; // 15 focus ticks in each colour
  EXPECT_EQ(f.view.hintColours, blinks);
  // Reading again: black at the next focus tick, and no more blinking.
  f.form.fevhStopOrContinue();
  f.clock.advance(3000);
  ASSERT_EQ(f.view.hintColours.size(), 4u);
  EXPECT_EQ(f.view.hintColours.back(), (std::pair<std::int64_t, bool>{6100, true}));

  PacingFixture columns; // the column modes do not blink
  columns.settings.ReadingMode = ReadingModeKind::Single;
  columns.rs.readingHalted = true;
  columns.clock.advance(10000);
  EXPECT_TRUE(columns.view.hintColours.empty());
}

} // namespace
} // namespace reader::testing
