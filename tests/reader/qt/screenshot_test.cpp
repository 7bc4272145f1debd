// Renders the reader window off-screen in every mode and colour scheme and in
// full screen, saves each picture under the build folder (screenshots/) and
// checks what can be measured on the pixels.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QMenu>

#include "engine/text_helpers.h"
#include "reader/colour_schemes.h"
#include "reader/drawing_column.h"
#include "reader/layout_fonts.h"
#include "reader/layout_geometry.h"
#include "window_fixture.h"

namespace reader::testing {
namespace {

QString shotPath(const std::string& name) {
  const QString dir = QString(LUMETRA_BINARY_DIR) + "/screenshots";
  QDir().mkpath(dir);
  return dir + "/" + QString::fromStdString(name) + ".png";
}

// Two lines of four words, 14-point regular columns; the banner modes are
// paused after twelve seconds so that the frame is drawn whole.
struct Shot : Reader {
  explicit Shot(engine::ReadingModeKind mode)
      : Reader(mode, true, [](engine::SettingsRecord& s) {
          s.LinesPerScreen = 2;
          s.WordsPerScreen = 4;
          s.ColumnFontStyle = engine::FontStyle::Normal;
          s.ColumnFontSize = 5; // 14 points
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
  void save(const std::string& name) { ASSERT_TRUE(widget().grabWindow().save(shotPath(name))); }
};

bool isInk(const QImage& image, int x, int y, QColor background) {
  const QColor c = image.pixelColor(x, y);
  return std::abs(c.red() - background.red()) + std::abs(c.green() - background.green()) +
             std::abs(c.blue() - background.blue()) >
         60;
}

// Leftmost and rightmost ink columns within rows [top, bottom), or {-1, -1}.
std::pair<int, int> inkColumns(const QImage& image, int left, int right, int top, int bottom,
                               QColor background) {
  int first = -1, last = -1;
  for (int x = left; x < right; ++x)
    for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y)
      if (isInk(image, x, y, background)) {
        if (first < 0) first = x;
        last = x;
        break;
      }
  return {first, last};
}

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
    const QImage full = shot.widget().grabWindow();
    EXPECT_EQ(full.width(), 1280);
    EXPECT_EQ(full.height(), 1024);
    EXPECT_EQ(full.pixelColor(3, 3), QColor(0, 0, 0));
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

TEST(Screenshots, ABannerFrameIsCentredWithinAPixel) {
  Shot shot(engine::ReadingModeKind::Banner);
  applyColourScheme(shot.settings, SchemeId::WhiteonBlack1);
  shot.settings.LinesPerScreen = 1;
  shot.state.FrameLines = {"centred words here", "", "", "", ""};
  shot.state.HeadingFound = false;
  shot.redraw();
  shot.save("banner_centred");
  const QImage& strip = shot.widget().boxImage(ControlId::pbBanner);
  const auto [first, last] = inkColumns(strip, 0, strip.width(), 0, strip.height(), Qt::black);
  ASSERT_GE(first, 0);
  // The text area runs from x = 10 to the right edge.
  const int leftGap = first - 10;
  const int rightGap = strip.width() - 1 - last;
  EXPECT_LE(std::abs(leftGap - rightGap), 2) << leftGap << " " << rightGap;
}

TEST(Screenshots, AJustifiedColumnEndsItsLinesAtTheRightMargin) {
  Shot shot(engine::ReadingModeKind::Single);
  applyColourScheme(shot.settings, SchemeId::BlacktextonWhite1);
  shot.settings.ColumnTextAlign = engine::TextAlign::Justify;
  shot.redraw();
  shot.save("single_justified");
  const QImage& column = shot.widget().boxImage(ControlId::pbColumn);
  const PageColumn& lines = shot.parts().page.columns[0];
  const platform::FontSpec& font = shot.parts().layout.columnFont;
  const double pitch = letterHeight(shot.measure, font) * shot.parts().layout.lineSpacing;
  const int height = shot.measure.textHeight(font, "O");
  int justified = 0, left = 0;
  for (std::size_t i = 0; i + 1 < lines.lines.size(); ++i) {
    const int top = static_cast<int>(i * pitch + 10);
    const auto [first, last] =
        inkColumns(column, 1, column.width() - 1, top, top + height, Qt::white);
    if (first < 0) continue;
    const bool lastOfParagraph = engine::trim(lines.lines[i + 1]).empty();
    const bool oneWord = engine::trim(lines.lines[i]).find(' ') == std::string::npos;
    if (lastOfParagraph || oneWord) {
      ++left;
      EXPECT_LE(first, 5 + 3) << lines.lines[i];
      continue;
    }
    ++justified;
    // The last word's right edge is at width - 5; its ink ends within two pixels of it.
    EXPECT_LE(std::abs(last - (column.width() - 5 - 1)), 2) << i << ": " << lines.lines[i];
  }
  EXPECT_GT(justified, 5);
  EXPECT_GT(left, 0);
}

TEST(Screenshots, TheProgressBarFillsTheRightNumberOfPixels) {
  Shot shot(engine::ReadingModeKind::Banner);
  controls::TALProgressBar& bar = shot.window().pbarBanner();
  ASSERT_EQ(bar.Max(), 10000);
  bar.setPosition(5000);
  EXPECT_EQ(bar.filledLength(), 278);
  const QImage image = shot.widget().child(ControlId::pbarBanner)->grab().toImage();
  ASSERT_EQ(image.width(), 557);
  int filled = 0;
  for (int x = 0; x < image.width(); ++x)
    if (image.pixelColor(x, image.height() / 2) == QColor(128, 128, 128)) ++filled;
  EXPECT_EQ(filled, 278);
  shot.save("banner_progress_half");
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

// The menu bar's first menu and both popups, opened and drawn.
TEST(Screenshots, TheMainMenuAndBothPopupsOpened) {
  Shot shot(engine::ReadingModeKind::Banner);
  shot.widget().refreshMenus();
  const struct {
    QMenu* menu;
    const char* name;
  } menus[] = {{shot.widget().menuItem("File1")->menu(), "menu_file"},
               {shot.widget().menuItem("Format1")->menu(), "menu_format"},
               {shot.widget().menuItem("Font1")->menu(), "menu_format_font"},
               {shot.widget().menuItem("Size1")->menu(), "menu_format_size"},
               {shot.widget().menuItem("Alignment1")->menu(), "menu_format_alignment"},
               {shot.widget().popupMenu(PopupMenuKind::pmBanner), "popup_banner"},
               {shot.widget().popupMenu(PopupMenuKind::pmColumn), "popup_column"}};
  for (const auto& m : menus) {
    ASSERT_NE(m.menu, nullptr) << m.name;
    m.menu->popup(shot.widget().mapToGlobal(QPoint(20, 20)));
    QApplication::processEvents();
    const QImage image = m.menu->grab().toImage();
    ASSERT_TRUE(image.save(shotPath(m.name)));
    EXPECT_GT(image.height(), 40) << m.name;
    m.menu->hide();
  }
}

} // namespace
} // namespace reader::testing
