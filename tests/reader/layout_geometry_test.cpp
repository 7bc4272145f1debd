#include <gtest/gtest.h>

#include "reader/layout_geometry.h"

namespace reader {
namespace {

using engine::ReadingModeKind;
using platform::Rect;

LayoutState freshLayout() {
  LayoutState layout;
  layout.workArea = {0, 0, 1280, 994};
  layout.screen = {0, 0, 1280, 1024};
  layout.geometry = designedGeometry(layout.frame);
  return layout;
}

bool overlaps(const Rect& a, const Rect& b) {
  return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

TEST(DesignedForm, ClientIs613By696) {
  const FormGeometry g = designedGeometry();
  EXPECT_EQ(g.clientWidth, 613);
  EXPECT_EQ(g.clientHeight, 696);
  EXPECT_EQ(g.at(ControlId::pbBanner).rect.width, 577);
  EXPECT_EQ(g.at(ControlId::pbBanner).rect.height, 218);
  EXPECT_EQ(g.at(ControlId::pnlTopBar).rect, (Rect{0, 0, 697, 58}));
  EXPECT_FALSE(g.at(ControlId::pbCloseFullScreen).visible);
  EXPECT_FALSE(g.at(ControlId::lbBlackInfo).visible);
  EXPECT_FALSE(g.at(ControlId::lbBlackPercent).visible);
}

TEST(ControlNames, EveryControlHasItsComponentName) {
  EXPECT_EQ(controlName(ControlId::pbColumn2), "pbColumn2");
  EXPECT_EQ(controlName(ControlId::MyStatusBar1), "MyStatusBar1");
  EXPECT_EQ(controlName(ControlId::lbBlackPercent), "lbBlackPercent");
  for (std::size_t i = 0; i < ControlCount; ++i)
    EXPECT_FALSE(controlName(static_cast<ControlId>(i)).empty()) << i;
  EXPECT_EQ(controlParent(ControlId::pbarBanner), ControlId::pnlBanner);
  EXPECT_EQ(controlParent(ControlId::pbarColumn), ControlId::pnlColumn);
  EXPECT_EQ(controlParent(ControlId::pbBanner), ControlId::Count);
}

struct ButtonCase {
  ReadingModeKind mode;
  int fullScreenLeft;
};

class ButtonLefts : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(ButtonLefts, FollowTheModeTable) {
  LayoutState layout = freshLayout();
  arrangeGeometry(layout, GetParam().mode);
  const FormGeometry& g = layout.geometry;
  EXPECT_EQ(g.at(ControlId::imgSingleColumn).rect.left, 1);
  EXPECT_EQ(g.at(ControlId::imgDoubleColumn).rect.left, 57);
  EXPECT_EQ(g.at(ControlId::imgBannerReader).rect.left, 112);
  EXPECT_EQ(g.at(ControlId::imgSentenceReader).rect.left, 167);
  EXPECT_EQ(g.at(ControlId::imgSep).rect.left, 222);
  EXPECT_EQ(g.at(ControlId::imgAutoSkim).rect.left, 237);
  EXPECT_EQ(g.at(ControlId::imgFullScreen).rect.left, GetParam().fullScreenLeft);
  // The full-screen button stays inside the client area.
  EXPECT_LE(g.at(ControlId::imgFullScreen).rect.right(), g.clientWidth);
}

INSTANTIATE_TEST_SUITE_P(Modes, ButtonLefts,
                         ::testing::Values(ButtonCase{ReadingModeKind::Banner, 552},
                                           ButtonCase{ReadingModeKind::Sentence, 552},
                                           ButtonCase{ReadingModeKind::Single, 352},
                                           ButtonCase{ReadingModeKind::Double, 552}));

TEST(BannerLayout, StripAndPanelCentredInA620By400Window) {
  LayoutState layout = freshLayout();
  arrangeGeometry(layout, ReadingModeKind::Banner);
  const FormGeometry& g = layout.geometry;
  EXPECT_EQ(g.window.width, 620);
  EXPECT_EQ(g.window.height, 400);
  EXPECT_EQ(g.window.top, 0);
  EXPECT_EQ(g.window.left, (1280 - 620) / 2);
  const Rect strip = g.at(ControlId::pbBanner).rect;
  EXPECT_EQ(strip.top, 74);
  EXPECT_LE(std::abs(strip.left + strip.width / 2 - g.clientWidth / 2), 1);
  const Rect panel = g.at(ControlId::pnlBanner).rect;
  EXPECT_EQ(panel.top, 298);
  EXPECT_LE(std::abs(panel.left + panel.width / 2 - g.clientWidth / 2), 1);
  EXPECT_TRUE(g.at(ControlId::pbBanner).visible);
  EXPECT_FALSE(g.at(ControlId::pbColumn).visible);
  EXPECT_FALSE(g.at(ControlId::pnlColumn).visible);
  EXPECT_EQ(g.at(ControlId::pnlColumn).rect.left, 200);
  EXPECT_EQ(g.popup, PopupMenuKind::pmBanner);
  EXPECT_TRUE(g.speedMenuShown);
  EXPECT_TRUE(g.wordsPerScreenMenuShown);
  EXPECT_EQ(g.statusPanel2Width, 220);
  // The progress panel ends above the status bar.
  EXPECT_LE(panel.bottom(), g.at(ControlId::MyStatusBar1).rect.top);
}

TEST(SentenceLayout, HidesTheWordsPerScreenSubmenu) {
  LayoutState layout = freshLayout();
  arrangeGeometry(layout, ReadingModeKind::Sentence);
  EXPECT_TRUE(layout.geometry.speedMenuShown);
  EXPECT_FALSE(layout.geometry.wordsPerScreenMenuShown);
}

TEST(SingleLayout, OneColumnInA420WindowAsTallAsTheWorkArea) {
  LayoutState layout = freshLayout();
  layout.geometry.window.left = 77;
  arrangeGeometry(layout, ReadingModeKind::Single);
  const FormGeometry& g = layout.geometry;
  EXPECT_EQ(g.window.width, 420);
  EXPECT_EQ(g.window.height, 994);
  EXPECT_EQ(g.window.left, 77); // Single leaves the window where it was
  const Rect column = g.at(ControlId::pbColumn).rect;
  EXPECT_EQ(column, (Rect{7, 72, 378, g.clientHeight - 31 - 72}));
  const Rect panel = g.at(ControlId::pnlColumn).rect;
  EXPECT_EQ(panel, (Rect{391, 68, 16, g.clientHeight - 31 - 68}));
  EXPECT_FALSE(g.at(ControlId::pbColumn2).visible);
  EXPECT_FALSE(g.at(ControlId::pbBanner).visible);
  EXPECT_FALSE(g.at(ControlId::pnlBanner).visible);
  EXPECT_EQ(g.statusPanel2Width, 20);
  EXPECT_FALSE(g.speedMenuShown);
  EXPECT_EQ(g.popup, PopupMenuKind::pmColumn);
  const Rect bar = g.at(ControlId::pbarColumn).rect;
  EXPECT_EQ(bar.top, 8);
  EXPECT_EQ(bar.height, panel.height - 15);
  EXPECT_EQ(g.at(ControlId::pbGoToEndC).rect.top, bar.top + bar.height - 5);
  EXPECT_LE(panel.right(), g.clientWidth);
}

TEST(DoubleLayout, TwoColumnsAndThePanelBetweenThemDoNotOverlap) {
  LayoutState layout = freshLayout();
  arrangeGeometry(layout, ReadingModeKind::Double);
  const FormGeometry& g = layout.geometry;
  EXPECT_EQ(g.window.width, 620);
  EXPECT_EQ(g.window.left, (1280 - 620) / 2);
  const Rect c1 = g.at(ControlId::pbColumn).rect;
  const Rect panel = g.at(ControlId::pnlColumn).rect;
  const Rect c2 = g.at(ControlId::pbColumn2).rect;
  EXPECT_EQ(c1, (Rect{7, 72, 285, g.clientHeight - 103}));
  EXPECT_EQ(panel.left, 298);
  EXPECT_EQ(c2, (Rect{320, 72, 285, g.clientHeight - 103}));
  EXPECT_FALSE(overlaps(c1, panel));
  EXPECT_FALSE(overlaps(panel, c2));
  EXPECT_LE(c2.right(), g.clientWidth);
  EXPECT_LE(c1.bottom(), g.at(ControlId::MyStatusBar1).rect.top);
}

TEST(VisibleControls, LieInsideTheClientAreaInEveryMode) {
  for (auto mode : {ReadingModeKind::Banner, ReadingModeKind::Sentence, ReadingModeKind::Single,
                    ReadingModeKind::Double}) {
    LayoutState layout = freshLayout();
    arrangeGeometry(layout, mode);
    const FormGeometry& g = layout.geometry;
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

TEST(FullScreen, DoubleColumnsAreCentredAsAGroup) {
  LayoutState layout = freshLayout();
  arrangeGeometry(layout, ReadingModeKind::Double);
  layout.fullScreen = true;
  fullScreenGeometry(layout, ReadingModeKind::Double);
  const FormGeometry& g = layout.geometry;
  EXPECT_EQ(g.window, layout.screen);
  EXPECT_FALSE(g.bordered);
  EXPECT_FALSE(g.mainMenuShown);
  const Rect c1 = g.at(ControlId::pbColumn).rect;
  const Rect panel = g.at(ControlId::pnlColumn).rect;
  const Rect c2 = g.at(ControlId::pbColumn2).rect;
  EXPECT_EQ(c1.left, (1280 - 285 - 16 - 285 - 10) / 2);
  EXPECT_EQ(panel.left, c1.right() + 5);
  EXPECT_EQ(c2.left, panel.right() + 5);
  EXPECT_EQ(c1.top, (1024 - c1.height) / 2);
  EXPECT_EQ(panel.top, c1.top);
  EXPECT_EQ(c2.top, c1.top);
  EXPECT_FALSE(g.at(ControlId::pnlTopBar).visible);
  EXPECT_FALSE(g.at(ControlId::MyStatusBar1).visible);
  EXPECT_TRUE(g.at(ControlId::pbCloseFullScreen).visible);
  EXPECT_EQ(g.at(ControlId::pbCloseFullScreen).rect, (Rect{30, 1024 - 70, 164, 32}));
  EXPECT_EQ(g.at(ControlId::lbBlackPercent).rect.right(), 1280 - 100);
  EXPECT_EQ(g.at(ControlId::lbBlackInfo).rect.bottom(), 1024 - 5);
}

TEST(FullScreen, SingleColumnCentredWithItsBarBesideIt) {
  LayoutState layout = freshLayout();
  arrangeGeometry(layout, ReadingModeKind::Single);
  layout.fullScreen = true;
  fullScreenGeometry(layout, ReadingModeKind::Single);
  const FormGeometry& g = layout.geometry;
  const Rect c1 = g.at(ControlId::pbColumn).rect;
  EXPECT_EQ(c1.left, (1280 - 378) / 2);
  EXPECT_EQ(g.at(ControlId::pnlColumn).rect.left, c1.right() + 5);
  EXPECT_FALSE(g.at(ControlId::pbColumn2).visible);
}

TEST(FullScreen, BannerStripSitsAHundredPixelsAboveTheMiddle) {
  LayoutState layout = freshLayout();
  arrangeGeometry(layout, ReadingModeKind::Banner);
  layout.fullScreen = true;
  fullScreenGeometry(layout, ReadingModeKind::Banner);
  const Rect strip = layout.geometry.at(ControlId::pbBanner).rect;
  EXPECT_EQ(strip.left, (1280 - 577) / 2);
  EXPECT_EQ(strip.top, (1024 - 218) / 2 - 100);
  EXPECT_EQ(layout.geometry.at(ControlId::pnlBanner).rect.top, strip.bottom() + 50);
}

TEST(FullScreen, ArrangingKeepsTheWindowSize) {
  LayoutState layout = freshLayout();
  arrangeGeometry(layout, ReadingModeKind::Banner);
  layout.fullScreen = true;
  fullScreenGeometry(layout, ReadingModeKind::Banner);
  arrangeGeometry(layout, ReadingModeKind::Double);
  EXPECT_EQ(layout.geometry.window.width, 1280);
  EXPECT_EQ(layout.geometry.window.height, 1024);
}

} // namespace
} // namespace reader
