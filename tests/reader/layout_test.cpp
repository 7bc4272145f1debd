// Where the controls lie in each mode and in full screen, and the lines that fit.
#include <gtest/gtest.h>

#include "platform/fixed_width_measure.h"
#include "reader/layout_fonts.h"
#include "reader/layout_geometry.h"
#include "reader/words_per_screen.h"

namespace reader {
namespace {

using engine::ReadingModeKind;
using platform::Rect;

constexpr ReadingModeKind AllModes[] = {ReadingModeKind::Banner, ReadingModeKind::Sentence,
                                        ReadingModeKind::Single, ReadingModeKind::Double};

// A 1280 x 1024 screen with a 994-pixel-high work area.
LayoutState arranged(ReadingModeKind mode, bool fullScreen = false) {
  LayoutState layout;
  layout.workArea = {0, 0, 1280, 994};
  layout.screen = {0, 0, 1280, 1024};
  layout.geometry = designedGeometry(layout.frame);
  layout.geometry.window.left = 77;
  arrangeGeometry(layout, mode);
  if (fullScreen) {
    layout.fullScreen = true;
    fullScreenGeometry(layout, mode);
  }
  return layout;
}

bool overlaps(const Rect& a, const Rect& b) {
  return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

TEST(ModeLayout, VisibleControlsLieInsideTheClientAreaInEveryMode) {
  for (ReadingModeKind mode : AllModes) {
    SCOPED_TRACE(static_cast<int>(mode));
    const FormGeometry g = arranged(mode).geometry;
    for (std::size_t i = 0; i < ControlCount; ++i) {
      const auto id = static_cast<ControlId>(i);
      if (!g.at(id).visible || controlParent(id) != ControlId::Count || id == ControlId::pnlTopBar)
        continue;
      const Rect r = g.at(id).rect;
      EXPECT_GE(r.left, 0) << controlName(id);
      EXPECT_GE(r.top, 0) << controlName(id);
      EXPECT_LE(r.right(), g.clientWidth) << controlName(id);
      EXPECT_LE(r.bottom(), g.clientHeight) << controlName(id);
    }
  }
}

// The strip above its panel, the columns beside theirs, never over them; in
// a window the text ends above the status bar, in full screen it is centred.
TEST(ModeLayout, TheTextAreaAndItsPanelDoNotOverlapAndFullScreenCentresThem) {
  for (bool full : {false, true})
    for (ReadingModeKind mode : AllModes) {
      SCOPED_TRACE(static_cast<int>(mode) * 10 + full);
      const LayoutState layout = arranged(mode, full);
      const FormGeometry& g = layout.geometry;
      const bool banner = isBannerMode(mode);
      const Rect text = g.at(banner ? ControlId::pbBanner : ControlId::pbColumn).rect;
      const Rect panel = g.at(banner ? ControlId::pnlBanner : ControlId::pnlColumn).rect;
      const Rect second = g.at(ControlId::pbColumn2).rect;
      const bool twoColumns = mode == ReadingModeKind::Double;
      EXPECT_EQ(g.at(ControlId::pbColumn2).visible, twoColumns);
      EXPECT_FALSE(overlaps(text, panel));
      EXPECT_FALSE(twoColumns && overlaps(panel, second));
      const int right = twoColumns ? second.right() : text.right();
      if (full) {
        EXPECT_EQ(g.window, layout.screen);
        EXPECT_TRUE(g.at(ControlId::pbCloseFullScreen).visible);
        EXPECT_LE(std::abs(text.left - (1280 - right)), 1);
        if (banner) { // the strip above the middle
          EXPECT_LT(text.top + text.height / 2, 1024 / 2);
        }
        if (twoColumns) {
          EXPECT_LE(std::abs(text.top - (1024 - text.bottom())), 1);
        }
      } else {
        EXPECT_LE(std::max(text.bottom(), panel.bottom()), g.at(ControlId::MyStatusBar1).rect.top);
        if (banner) {
          EXPECT_LE(std::abs(text.left + text.width / 2 - g.clientWidth / 2), 1);
        }
      }
    }
}

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

TEST(LayoutFonts, AColumnSizePastTheListIsTheLast) {
  engine::SettingsRecord settings;
  settings.Column.FontSize = 200;
  EXPECT_EQ(buildColumnFont(settings).pointSize, 48);
}

// 48 pt -> 80 px, 2 lines fit (213 / 80); 12 pt -> 20 px, 10 fit; Sentence ignores the setting.
TEST(LayoutFonts, TheLinesThatFitWithTheModeLimits) {
  const struct {
    ReadingModeKind mode;
    int linesPerScreen, pointSize, expected;
  } cases[] = {{ReadingModeKind::Banner, 3, 48, 2}, // three lines asked, two fit
               {ReadingModeKind::Banner, 2, 12, 2},
               {ReadingModeKind::Sentence, 1, 12, 4},
               {ReadingModeKind::Sentence, 3, 48, 2}};
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
  engine::SettingsRecord settings; // Banner
  settings.LinesPerScreen = 2;
  platform::FixedWidthMeasure tooTall(10, 400); // not even one line fits: still one
  EXPECT_EQ(setNumerOfLines(218, tooTall, {}, settings), 1);
  // At most four lines fit the strip.
  EXPECT_EQ(calculateNoOfLines(218, platform::FixedWidthMeasure(10, 20), {}, settings).lines, 4);
}

TEST(WordsPerScreenMenu, StoredValuesOutsideTheMenuCheckNothing) {
  engine::SettingsRecord settings;
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
