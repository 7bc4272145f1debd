// Renders the reader window off-screen in every mode and colour scheme and in
// full screen, saves each picture under the build folder (screenshots/) and
// checks what can be measured on the pixels.
#include <gtest/gtest.h>

#include "reader/colour_schemes.h"
#include "window_fixture.h"

namespace reader::testing {
namespace {

// Two lines of four words, 14-point regular columns; the banner modes are
// paused after twelve seconds so that the frame is drawn whole.
struct Shot : Reader {
  explicit Shot(engine::ReadingModeKind mode)
      : Reader(mode, true, [](engine::SettingsRecord& s) {
          s.LinesPerScreen = 2;
          s.WordsPerScreen = 4;
          s.Column.FontStyle = engine::FontStyle::Normal;
          s.Column.FontSize = 5; // 14 points
        }) {
    if (isBannerMode(mode)) {
      clock.advance(12000);
      press(Qt::Key_Space);
    }
  }
  void redraw() {
    window().arrangeControls();
    if (isBannerMode(settings.ReadingMode))
      window().displayOnActivate();
    else
      form().readCurrentFrame();
  }
  void save(const std::string& name) {
    ASSERT_TRUE(widget().grabWindow().save(testsupport::shotPath(name)));
  }
};

const char* modeName(engine::ReadingModeKind mode) {
  const char* names[] = {"banner", "sentence", "single", "double"};
  return names[static_cast<int>(mode)];
}

TEST(Screenshots, EveryModeInEveryColourScheme) {
  for (auto mode : {engine::ReadingModeKind::Banner, engine::ReadingModeKind::Sentence,
                    engine::ReadingModeKind::Single, engine::ReadingModeKind::Double}) {
    Shot shot(mode);
    for (std::size_t scheme = 0; scheme < ColourSchemeCount; ++scheme) {
      applyColourScheme(shot.settings, static_cast<SchemeId>(scheme));
      shot.redraw();
      const std::string name =
          std::string(modeName(mode)) + "_" + std::string(ColourSchemes[scheme].component);
      shot.save(name);
      // The paint box shows the scheme's background.
      const ControlId box = isBannerMode(mode) ? ControlId::pbBanner : ControlId::pbColumn;
      const QImage& image = shot.widget().boxImage(box);
      const platform::Color bg = ColourSchemes[scheme].background;
      EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() - 3), QColor(bg.r, bg.g, bg.b))
          << name;
    }
    shot.form().enterFullScreen();
    shot.save(std::string(modeName(mode)) + "_full_screen");
    EXPECT_EQ(shot.widget().grabWindow().pixelColor(3, 3), QColor(0, 0, 0));
  }
}

// The status bar's panel separators pass behind the hint, never through its
// text, in the lowest window (Banner) and the tallest (the column modes).
TEST(Screenshots, NoPanelSeparatorCrossesTheHint) {
  for (auto mode : {engine::ReadingModeKind::Banner, engine::ReadingModeKind::Double}) {
    Shot shot(mode);
    shot.window().setInfoText("Press Spacebar or Click to Continue !");
    shot.redraw();
    shot.save(std::string("hint_") + modeName(mode));
    const QImage window = shot.widget().grabWindow();
    QWidget* hint = shot.widget().child(ControlId::lbInfo);
    ASSERT_TRUE(hint->isVisible());
    const QRect place(hint->mapTo(&shot.widget(), QPoint(0, 0)), hint->size());
    const QColor separator(160, 160, 160);
    const int top = place.top() + 3, bottom = place.bottom() - 3;
    ASSERT_GT(bottom, top);
    for (int x = place.left(); x <= place.right(); ++x) {
      int rows = 0;
      for (int y = top; y < bottom; ++y)
        rows += window.pixelColor(x, y) == separator;
      // Glyphs may cover part of a separator that runs through the text.
      EXPECT_LT(rows, (bottom - top) / 2) << modeName(mode) << ": a separator at x = " << x;
    }
  }
}

// The longest run of pixels of exactly `colour` in any row of the image.
int longestRun(const QImage& image, QColor colour) {
  int best = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0, run = 0; x < image.width(); ++x) {
      run = image.pixelColor(x, y) == colour ? run + 1 : 0;
      best = std::max(best, run);
    }
  return best;
}

// The find bar open with a match highlighted: the match is a block of the
// text colour (the colours swapped), which plain text never draws.
TEST(Screenshots, TheFindBarWithAHighlightedMatch) {
  for (auto mode : {engine::ReadingModeKind::Banner, engine::ReadingModeKind::Double}) {
    Shot shot(mode);
    applyColourScheme(shot.settings, SchemeId::WhiteonBlack1);
    shot.redraw();
    const ControlId box = isBannerMode(mode) ? ControlId::pbBanner : ControlId::pbColumn;
    EXPECT_LT(longestRun(shot.widget().boxImage(box), Qt::white), 30) << modeName(mode);
    shot.form().FindText1Click();
    ASSERT_TRUE(shot.widget().findBar()->isVisible());
    shot.form().tbFindTextChange("lighthouse");
    shot.form().pbFindNextClick();
    ASSERT_TRUE(shot.parts().window.search.MatchShown) << modeName(mode);
    shot.save(std::string("find_bar_") + modeName(mode));
    EXPECT_GE(longestRun(shot.widget().boxImage(box), Qt::white), 30) << modeName(mode);
  }
}

} // namespace
} // namespace reader::testing
