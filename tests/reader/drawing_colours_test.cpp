#include <gtest/gtest.h>

#include "reader/colour_schemes.h"

namespace reader {
namespace {

using platform::Color;

// Level L blends text over background: a = L * 255 div 10,
// channel = ((255 - a) * back + a * text) div 256; levels outside 0..10 clamp.
TEST(FadeLevel, ChannelsBlendByTheLevel) {
  const struct {
    Color text, back;
    int level;
    Color expected;
  } cases[] = {{{255, 255, 255}, {0, 0, 0}, 5, {126, 126, 126}},
               {{255, 255, 0}, {0, 0, 94}, 1, {24, 24, 84}},   // a = 25
               {{255, 255, 0}, {0, 0, 94}, 5, {126, 126, 47}}, // a = 127
               {{255, 255, 0}, {0, 0, 94}, 9, {228, 228, 9}},  // a = 229
               {{128, 0, 0}, {211, 211, 211}, 0, {211, 211, 211}},
               {{128, 0, 0}, {211, 211, 211}, 10, {128, 0, 0}},
               {{128, 0, 0}, {211, 211, 211}, -3, {211, 211, 211}},
               {{128, 0, 0}, {211, 211, 211}, 14, {128, 0, 0}}};
  for (const auto& c : cases)
    EXPECT_EQ(fadeLevelColor(c.text, c.back, c.level), c.expected) << c.level;
}

TEST(ColourSchemes, EachSchemeSetsBothPairsAndChecksItsOwnItem) {
  for (std::size_t i = 0; i < ColourSchemeCount; ++i) {
    engine::SettingsRecord settings;
    applyColourScheme(settings, static_cast<SchemeId>(i));
    EXPECT_EQ(checkedColourScheme(settings), static_cast<SchemeId>(i)) << ColourSchemes[i].caption;
    EXPECT_EQ(settings.ColumnTextColor, settings.BannerTextColor) << ColourSchemes[i].caption;
    EXPECT_EQ(settings.ColumnBackgroundColor, settings.BannerBackgroundColor);
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
