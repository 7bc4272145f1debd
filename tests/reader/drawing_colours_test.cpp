#include <gtest/gtest.h>

#include "reader/colour_schemes.h"

namespace reader {
namespace {

using platform::Color;

TEST(FadeLevel, LevelFiveOfWhiteOnBlackIs126) {
  EXPECT_EQ(fadeLevelColor({255, 255, 255}, {0, 0, 0}, 5), (Color{126, 126, 126}));
}

TEST(FadeLevel, EndsAreTheBackgroundAndTheText) {
  const Color text{128, 0, 0}, back{211, 211, 211};
  EXPECT_EQ(fadeLevelColor(text, back, 0), back);
  EXPECT_EQ(fadeLevelColor(text, back, 10), text);
  EXPECT_EQ(fadeLevelColor(text, back, -3), back);
  EXPECT_EQ(fadeLevelColor(text, back, 14), text);
}

struct BlendCase {
  int level;
  Color expected;
};

class FadeBlend : public ::testing::TestWithParam<BlendCase> {};

// Yellow over navy: a = L * 255 div 10, channel = ((255 - a) * back + a * text) div 256.
TEST_P(FadeBlend, ChannelsBlendByTheLevel) {
  EXPECT_EQ(fadeLevelColor({255, 255, 0}, {0, 0, 94}, GetParam().level), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(YellowOnNavy, FadeBlend,
                         ::testing::Values(BlendCase{1, {24, 24, 84}},    // a = 25
                                           BlendCase{5, {126, 126, 47}},  // a = 127
                                           BlendCase{9, {228, 228, 9}})); // a = 229

TEST(ColourSchemes, ACommandSetsBothPairs) {
  engine::SettingsRecord settings;
  applyColourScheme(settings, SchemeId::DarkRedtextonGray1);
  EXPECT_EQ(settings.BannerTextColor, (Color{128, 0, 0}));
  EXPECT_EQ(settings.ColumnTextColor, (Color{128, 0, 0}));
  EXPECT_EQ(settings.BannerBackgroundColor, (Color{211, 211, 211}));
  EXPECT_EQ(settings.ColumnBackgroundColor, (Color{211, 211, 211}));
}

TEST(ColourSchemes, EachSchemeChecksItsOwnItem) {
  for (std::size_t i = 0; i < ColourSchemeCount; ++i) {
    engine::SettingsRecord settings;
    applyColourScheme(settings, static_cast<SchemeId>(i));
    EXPECT_EQ(checkedColourScheme(settings), static_cast<SchemeId>(i)) << ColourSchemes[i].caption;
  }
}

TEST(ColourSchemes, UnlistedColoursFallToTheNearestItem) {
  engine::SettingsRecord settings;
  settings.BannerBackgroundColor = {0, 0, 0};
  settings.BannerTextColor = {10, 200, 30};
  EXPECT_EQ(checkedColourScheme(settings), SchemeId::WhiteonBlack1);
  settings.BannerBackgroundColor = {255, 255, 255};
  EXPECT_EQ(checkedColourScheme(settings), SchemeId::BlacktextonWhite1);
  settings.BannerBackgroundColor = {1, 2, 3};
  EXPECT_EQ(checkedColourScheme(settings), SchemeId::GraytextonNavy1);
}

TEST(DimmedColour, SilverOnMidGreyElseDarkGrey) {
  EXPECT_EQ(dimmedColor({128, 128, 128}), (Color{192, 192, 192}));
  EXPECT_EQ(dimmedColor({0, 0, 0}), (Color{95, 95, 95}));
  EXPECT_EQ(columnOutlineColor({128, 128, 128}), (Color{192, 192, 192}));
  EXPECT_EQ(columnOutlineColor({255, 255, 255}), (Color{128, 128, 128}));
}

} // namespace
} // namespace reader
