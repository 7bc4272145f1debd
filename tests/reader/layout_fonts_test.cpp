#include <gtest/gtest.h>

#include "platform/fixed_width_measure.h"
#include "reader/layout_fonts.h"

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

TEST(BannerFont, SentenceModeDrawsLargeSizesAt28) {
  engine::SettingsRecord settings;
  for (std::uint8_t index : {std::uint8_t{12}, std::uint8_t{13}}) {
    settings.BannerFontSize = index;
    EXPECT_EQ(buildBannerFont(settings, ReadingModeKind::Sentence).pointSize, 28) << int(index);
    EXPECT_EQ(buildBannerFont(settings, ReadingModeKind::Banner).pointSize, index == 12 ? 36 : 48);
  }
  settings.BannerFontSize = 10;
  EXPECT_EQ(buildBannerFont(settings, ReadingModeKind::Sentence).pointSize, 24);
}

TEST(BannerFont, FamilyWeightAndQualityComeFromTheSettings) {
  engine::SettingsRecord settings;
  settings.BannerFontName = "Verdana";
  settings.BannerFontStyle = engine::FontStyle::Bold;
  settings.ClearTypeFont = false;
  const platform::FontSpec font = buildBannerFont(settings, ReadingModeKind::Banner);
  EXPECT_EQ(font.family, "Verdana");
  EXPECT_TRUE(font.bold);
  EXPECT_FALSE(font.antialias);
  EXPECT_FALSE(font.underline);
}

TEST(ColumnFont, SizeIndexPastTheListTakesItsLastEntry) {
  engine::SettingsRecord settings;
  settings.ColumnFontSize = 200;
  settings.ColumnFontStyle = engine::FontStyle::Normal;
  const platform::FontSpec font = buildColumnFont(settings);
  EXPECT_EQ(font.pointSize, 48);
  EXPECT_FALSE(font.bold);
}

struct LinesCase {
  ReadingModeKind mode;
  int linesPerScreen;
  int pointSize;
  int expected;
};

class SetNumerOfLinesTest : public ::testing::TestWithParam<LinesCase> {};

TEST_P(SetNumerOfLinesTest, LinesThatFitWithTheModeLimits) {
  const LinesCase c = GetParam();
  engine::SettingsRecord settings;
  settings.ReadingMode = c.mode;
  settings.LinesPerScreen = static_cast<std::uint8_t>(c.linesPerScreen);
  platform::FontSpec font;
  font.pointSize = c.pointSize;
  ScaledMeasure measure;
  EXPECT_EQ(setNumerOfLines(218, measure, font, settings), c.expected);
}

// Heights: 48 pt -> 80 px, 2 lines fit (213 / 80); 36 pt -> 60 px, 3 fit;
// 12 pt -> 20 px, 10 fit; 28 pt -> 46 px, 4 fit.
INSTANTIATE_TEST_SUITE_P(Strip, SetNumerOfLinesTest,
                         ::testing::Values(LinesCase{ReadingModeKind::Banner, 3, 48,
                                                     2}, // three lines asked, two fit
                                           LinesCase{ReadingModeKind::Banner, 3, 36, 3},
                                           LinesCase{ReadingModeKind::Banner, 1, 12, 1},
                                           LinesCase{ReadingModeKind::Banner, 2, 12, 2},
                                           LinesCase{ReadingModeKind::Sentence, 1, 12,
                                                     4}, // Sentence ignores LinesPerScreen
                                           LinesCase{ReadingModeKind::Sentence, 1, 28, 4},
                                           LinesCase{ReadingModeKind::Sentence, 3, 48, 2}));

TEST(SetNumerOfLines, AStripShorterThanOneLineStillGivesOneLine) {
  engine::SettingsRecord settings;
  settings.ReadingMode = ReadingModeKind::Banner;
  platform::FixedWidthMeasure measure(10, 400);
  EXPECT_EQ(setNumerOfLines(218, measure, {}, settings), 1);
}

TEST(CalculateNoOfLines, ReturnsAtMostFourAndLimitsTheFrame) {
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

TEST(LinesPerPage, PitchIsTheLetterHeightTimesTheLineSpacing) {
  platform::FixedWidthMeasure measure(10, 20);
  EXPECT_EQ(linesPerPage(593, measure, {}, 1.1), 26);  // 573 / 22
  EXPECT_EQ(linesPerPage(593, measure, {}, 1.65), 17); // 573 / 33
  EXPECT_EQ(linesPerPage(10, measure, {}, 1.1), 1);
}

TEST(LineSpacing, RuleSixWidensIt) {
  engine::SettingsRecord settings;
  EXPECT_DOUBLE_EQ(lineSpacingFor(settings), 1.1);
  settings.GeneralTextRules[6] = true;
  EXPECT_DOUBLE_EQ(lineSpacingFor(settings), 1.65);
}

} // namespace
} // namespace reader
