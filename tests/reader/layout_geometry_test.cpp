#include <gtest/gtest.h>

#include "reader/layout_geometry.h"

namespace reader {
namespace {

using engine::ReadingModeKind;
using platform::Rect;

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
  for (ReadingModeKind mode : {ReadingModeKind::Banner, ReadingModeKind::Sentence,
                               ReadingModeKind::Single, ReadingModeKind::Double}) {
    const FormGeometry g = arranged(mode).geometry;
    EXPECT_EQ(g.speedMenuShown, isBannerMode(mode)) << int(mode);
    EXPECT_EQ(g.wordsPerScreenMenuShown, mode == ReadingModeKind::Banner) << int(mode);
    EXPECT_EQ(g.popup, isBannerMode(mode) ? PopupMenuKind::pmBanner : PopupMenuKind::pmColumn);
    for (std::size_t i = 0; i < ControlCount; ++i) {
      const auto id = static_cast<ControlId>(i);
      if (!g.at(id).visible || controlParent(id) != ControlId::Count || id == ControlId::pnlTopBar)
        continue;
      const Rect r = g.at(id).rect;
      EXPECT_GE(r.left, 0) << controlName(id);
      EXPECT_GE(r.top, 0) << controlName(id);
      EXPECT_LE(r.right(), g.clientWidth) << controlName(id) << " mode " << int(mode);
      EXPECT_LE(r.bottom(), g.clientHeight) << controlName(id) << " mode " << int(mode);
    }
  }
}

TEST(ModeLayout, BannerStripAndPanelCentredInA620By400Window) {
  const FormGeometry g = arranged(ReadingModeKind::Banner).geometry;
  EXPECT_EQ(g.window, (Rect{(1280 - 620) / 2, 0, 620, 400}));
  const Rect strip = g.at(ControlId::pbBanner).rect;
  const Rect panel = g.at(ControlId::pnlBanner).rect;
  EXPECT_LT(strip.bottom(), panel.top);
  EXPECT_LE(std::abs(strip.left + strip.width / 2 - g.clientWidth / 2), 1);
  EXPECT_LE(std::abs(panel.left + panel.width / 2 - g.clientWidth / 2), 1);
  EXPECT_TRUE(g.at(ControlId::pbBanner).visible);
  EXPECT_FALSE(g.at(ControlId::pbColumn).visible);
  EXPECT_FALSE(g.at(ControlId::pnlColumn).visible);
  EXPECT_LE(panel.bottom(), g.at(ControlId::MyStatusBar1).rect.top);
}

TEST(ModeLayout, SingleIsOneColumnInA420WindowAsTallAsTheWorkArea) {
  const FormGeometry g = arranged(ReadingModeKind::Single).geometry;
  EXPECT_EQ(g.window.width, 420);
  EXPECT_EQ(g.window.height, 994);
  EXPECT_EQ(g.window.left, 77); // Single leaves the window where it was
  for (ControlId id : {ControlId::pbColumn2, ControlId::pbBanner, ControlId::pnlBanner})
    EXPECT_FALSE(g.at(id).visible) << controlName(id);
  // The column, then its panel, reach down to the status bar.
  const Rect column = g.at(ControlId::pbColumn).rect, panel = g.at(ControlId::pnlColumn).rect;
  EXPECT_FALSE(overlaps(column, panel));
  EXPECT_EQ(column.bottom(), panel.bottom());
  EXPECT_LE(column.bottom(), g.at(ControlId::MyStatusBar1).rect.top);
}

TEST(ModeLayout, DoubleColumnsAndThePanelBetweenThemDoNotOverlap) {
  const FormGeometry g = arranged(ReadingModeKind::Double).geometry;
  EXPECT_EQ(g.window.width, 620);
  EXPECT_EQ(g.window.left, (1280 - 620) / 2);
  const Rect c1 = g.at(ControlId::pbColumn).rect;
  const Rect panel = g.at(ControlId::pnlColumn).rect;
  const Rect c2 = g.at(ControlId::pbColumn2).rect;
  EXPECT_EQ(c1.width, c2.width);
  EXPECT_EQ(c1.top, c2.top);
  EXPECT_FALSE(overlaps(c1, panel));
  EXPECT_FALSE(overlaps(panel, c2));
  EXPECT_LE(c1.bottom(), g.at(ControlId::MyStatusBar1).rect.top);
}

TEST(FullScreen, DoubleColumnsAreCentredAsAGroup) {
  const LayoutState layout = arranged(ReadingModeKind::Double, true);
  const FormGeometry& g = layout.geometry;
  EXPECT_EQ(g.window, layout.screen);
  EXPECT_FALSE(g.bordered);
  EXPECT_FALSE(g.mainMenuShown);
  const Rect c1 = g.at(ControlId::pbColumn).rect;
  const Rect panel = g.at(ControlId::pnlColumn).rect;
  const Rect c2 = g.at(ControlId::pbColumn2).rect;
  EXPECT_LE(std::abs(c1.left - (1280 - c2.right())), 1);
  EXPECT_LE(std::abs(c1.top - (1024 - c1.bottom())), 1);
  EXPECT_FALSE(overlaps(c1, panel));
  EXPECT_FALSE(overlaps(panel, c2));
  EXPECT_EQ(panel.top, c1.top);
  EXPECT_EQ(c2.top, c1.top);
  EXPECT_FALSE(g.at(ControlId::pnlTopBar).visible);
  EXPECT_FALSE(g.at(ControlId::MyStatusBar1).visible);
  EXPECT_TRUE(g.at(ControlId::pbCloseFullScreen).visible);
  EXPECT_LE(g.at(ControlId::lbBlackInfo).rect.bottom(), 1024);
}

TEST(FullScreen, SingleColumnAndBannerStripAreCentred) {
  const FormGeometry single = arranged(ReadingModeKind::Single, true).geometry;
  const Rect c1 = single.at(ControlId::pbColumn).rect;
  const Rect panel = single.at(ControlId::pnlColumn).rect;
  EXPECT_LE(std::abs(c1.left - (1280 - c1.right())), 1);
  EXPECT_FALSE(overlaps(c1, panel));
  EXPECT_FALSE(single.at(ControlId::pbColumn2).visible);
  // the strip sits above the middle, the panel below it
  const FormGeometry banner = arranged(ReadingModeKind::Banner, true).geometry;
  const Rect strip = banner.at(ControlId::pbBanner).rect;
  EXPECT_LE(std::abs(strip.left - (1280 - strip.right())), 1);
  EXPECT_LT(strip.top + strip.height / 2, 1024 / 2);
  EXPECT_GT(banner.at(ControlId::pnlBanner).rect.top, strip.bottom());
}

TEST(FullScreen, ArrangingKeepsTheWindowSize) {
  LayoutState layout = arranged(ReadingModeKind::Banner, true);
  arrangeGeometry(layout, ReadingModeKind::Double);
  EXPECT_EQ(layout.geometry.window.width, 1280);
  EXPECT_EQ(layout.geometry.window.height, 1024);
}

} // namespace
} // namespace reader
