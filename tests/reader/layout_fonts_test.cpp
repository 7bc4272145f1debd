#include <gtest/gtest.h>

#include "platform/fixed_width_measure.h"
#include "reader/layout_fonts.h"
#include "reader/words_per_screen.h"

namespace reader {
namespace {

using engine::ReadingModeKind;

// A measure whose letter height grows with the point size, as real fonts do.
class ScaledMeasure : public platform::TextMeasure {
public:
  int textWidth(const platform::FontSpec& font, std::string_view text) const override {
    return static_cast<int>(text.size()) * font.pointSize * 2 / 3;
  }
  int textHeight(const platform::FontSpec& font, std::string_view) const override {
    return font.pointSize * 5 / 3;
  }
};

TEST(LayoutFonts, SentenceModeDrawsLargeSizesAt28) {
  const struct {
    std::uint8_t index;
    ReadingModeKind mode;
    int points;
  } cases[] = {{12, ReadingModeKind::Sentence, 28},
               {13, ReadingModeKind::Sentence, 28},
               {12, ReadingModeKind::Banner, 36},
               {13, ReadingModeKind::Banner, 48},
               {10, ReadingModeKind::Sentence, 24}};
  for (const auto& c : cases) {
    engine::SettingsRecord settings;
    settings.Banner.FontSize = c.index;
    EXPECT_EQ(buildBannerFont(settings, c.mode).pointSize, c.points) << int(c.index);
  }
}

TEST(LayoutFonts, ColumnSizeIndexPastTheListTakesItsLastEntry) {
  engine::SettingsRecord settings;
  settings.Column.FontSize = 200;
  EXPECT_EQ(buildColumnFont(settings).pointSize, 48);
}

// Heights: 48 pt -> 80 px, 2 lines fit (213 / 80); 36 pt -> 60 px, 3 fit;
// 12 pt -> 20 px, 10 fit; 28 pt -> 46 px, 4 fit. Sentence ignores LinesPerScreen.
TEST(LayoutFonts, SetNumerOfLinesGivesTheLinesThatFitWithTheModeLimits) {
  const struct {
    ReadingModeKind mode;
    int linesPerScreen, pointSize, expected;
  } cases[] = {{ReadingModeKind::Banner, 3, 48, 2}, // three lines asked, two fit
               {ReadingModeKind::Banner, 3, 36, 3},   {ReadingModeKind::Banner, 1, 12, 1},
               {ReadingModeKind::Banner, 2, 12, 2},   {ReadingModeKind::Sentence, 1, 12, 4},
               {ReadingModeKind::Sentence, 1, 28, 4}, {ReadingModeKind::Sentence, 3, 48, 2}};
  ScaledMeasure measure;
  for (const auto& c : cases) {
    engine::SettingsRecord settings;
    settings.ReadingMode = c.mode;
    settings.LinesPerScreen = static_cast<std::uint8_t>(c.linesPerScreen);
    platform::FontSpec font;
    font.pointSize = c.pointSize;
    EXPECT_EQ(setNumerOfLines(218, measure, font, settings), c.expected)
        << int(c.mode) << " " << c.linesPerScreen << " lines at " << c.pointSize;
  }
  engine::SettingsRecord settings;
  settings.ReadingMode = ReadingModeKind::Banner;
  platform::FixedWidthMeasure tooTall(10, 400); // not even one line fits: still one
  EXPECT_EQ(setNumerOfLines(218, tooTall, {}, settings), 1);
}

TEST(LayoutFonts, CalculateNoOfLinesReturnsAtMostFourAndLimitsTheFrame) {
  engine::SettingsRecord settings;
  settings.ReadingMode = ReadingModeKind::Banner;
  settings.LinesPerScreen = 2;
  platform::FixedWidthMeasure measure(10, 20);
  const LinesThatFit fit = calculateNoOfLines(218, measure, {}, settings);
  EXPECT_EQ(fit.lines, 4);
  EXPECT_EQ(fit.linesInFrame, 2);
  platform::FixedWidthMeasure tall(10, 70);
  EXPECT_EQ(calculateNoOfLines(218, tall, {}, settings).lines, 2); // (218 - 10) / 70
}

TEST(LayoutFonts, PagePitchIsTheLetterHeightTimesTheLineSpacingWhichRuleSixWidens) {
  engine::SettingsRecord settings;
  EXPECT_DOUBLE_EQ(lineSpacingFor(settings), 1.1);
  settings.GeneralTextRules[6] = true;
  EXPECT_DOUBLE_EQ(lineSpacingFor(settings), 1.65);
  platform::FixedWidthMeasure measure(10, 20);
  EXPECT_EQ(linesPerPage(593, measure, {}, 1.1), 26);  // 573 / 22
  EXPECT_EQ(linesPerPage(593, measure, {}, 1.65), 17); // 573 / 33
  EXPECT_EQ(linesPerPage(10, measure, {}, 1.1), 1);
}

// The automatic table's rows are the code's; the speed dialog's typing test
// (120, 151, 1500, 9999 wpm) and the arrow keys' test (1400, 1410) read them.
TEST(WordsPerScreenMenu, EveryItemChecksItselfAutomaticFollowsTheSpeedTwoByFourIsCustom) {
  const AutomaticTable table = buildAutomaticTable();
  for (std::size_t item = 0; item < WordsPerScreenItemCount; ++item) {
    engine::SettingsRecord settings;
    settings.WordsPerMinute = 700;
    settings.SpeedSettingsSelection = engine::SpeedSelection::Automatic;
    ASSERT_TRUE(chooseWordsPerScreen(settings, table, item));
    EXPECT_EQ(checkedWordsPerScreenItem(settings), item) << WordsPerScreenItems[item].caption;
    if (item == 0) { // automatic: the table entry for 700 wpm
      EXPECT_EQ(settings.SpeedSettingsSelection, engine::SpeedSelection::Automatic);
      EXPECT_EQ(settings.WordsPerScreen, 4);
      EXPECT_EQ(settings.LinesPerScreen, 1);
    }
    if (item == 8) {
      EXPECT_EQ(settings.SpeedSettingsSelection, engine::SpeedSelection::Custom);
      EXPECT_EQ(settings.LinesPerScreen, 2);
      EXPECT_EQ(settings.WordsPerScreen, 4);
    }
  }
}

TEST(WordsPerScreenMenu, UnknownItemsAndStoredValuesOutsideTheMenuChangeAndCheckNothing) {
  const AutomaticTable table = buildAutomaticTable();
  engine::SettingsRecord settings;
  const engine::SettingsRecord before = settings;
  EXPECT_FALSE(chooseWordsPerScreen(settings, table, WordsPerScreenItemCount));
  EXPECT_EQ(settings.WordsPerScreen, before.WordsPerScreen);
  EXPECT_EQ(settings.LinesPerScreen, before.LinesPerScreen);
  EXPECT_EQ(settings.SpeedSettingsSelection, before.SpeedSettingsSelection);

  settings.SpeedSettingsSelection = engine::SpeedSelection::Custom;
  for (auto [lines, words] : {std::pair{0, 3}, std::pair{4, 1}, std::pair{3, 7}, std::pair{1, 0}}) {
    settings.LinesPerScreen = static_cast<std::uint8_t>(lines);
    settings.WordsPerScreen = static_cast<std::uint8_t>(words);
    EXPECT_EQ(checkedWordsPerScreenItem(settings), WordsPerScreenItemCount)
        << lines << "x" << words;
  }
}

} // namespace
} // namespace reader
