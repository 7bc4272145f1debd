#include "controls/my_status_bar.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/recording_canvas.h"

namespace controls {
namespace {

using platform::Rect;

// The reader window's status bar: an owner-drawn icon panel, the message
// panel, the panel under the hint and the position panel.
void readerPanels(TMyStatusBar& bar) {
  bar.setBounds(0, 676, 613, 20);
  bar.addPanel({"", 33, TAlignment::taLeftJustify, TStatusPanelStyle::psOwnerDraw});
  bar.addPanel({"", 200});
  bar.addPanel({"", 220});
  bar.addPanel({"", 50, TAlignment::taRightJustify});
}

TEST(StatusBarPanels, PanelsLieSideBySideTheLastReachesTheEdgeAndNoneGoesPastIt) {
  TMyStatusBar bar;
  readerPanels(bar);
  EXPECT_EQ(bar.panelRect(2), (Rect{233, 0, 220, 20}));
  EXPECT_EQ(bar.panelRect(3), (Rect{453, 0, 160, 20}));
  bar.setPanelWidth(2, 20); // Single mode
  EXPECT_EQ(bar.panelRect(3), (Rect{253, 0, 360, 20}));
  TMyStatusBar narrow;
  narrow.setBounds(0, 0, 100, 20);
  for (int i = 0; i < 3; ++i)
    narrow.addPanel({"", 80});
  EXPECT_EQ(narrow.panelRect(1), (Rect{80, 0, 20, 20}));
  EXPECT_EQ(narrow.panelRect(2), (Rect{100, 0, 0, 20}));
}

TEST(StatusBarPanels, AMissingPanelIsAnErrorToReadAndIgnoredWhenSet) {
  TMyStatusBar bar;
  readerPanels(bar);
  EXPECT_THROW(bar.panel(4), std::out_of_range);
  EXPECT_THROW(bar.panelRect(-1), std::out_of_range);
  int repaints = 0;
  bar.setChangeListener([&] { ++repaints; });
  bar.setPanelText(9, "Heading detected");
  bar.setPanelWidth(-3, 10);
  EXPECT_EQ(repaints, 0);
  bar.setPanelText(1, "Heading detected");
  bar.setPanelText(1, "Heading detected");
  EXPECT_EQ(repaints, 1);
}

TEST(StatusBarPaint, TheBarIsFilledFirstAndTextsFollowTheirAlignment) {
  TMyStatusBar bar;
  readerPanels(bar);
  bar.setPanelText(1, "Play");
  bar.setPanelText(3, "42%");
  platform::RecordingCanvas canvas; // 10 pixels a character, lines 20 high
  bar.paint(canvas);
  ASSERT_FALSE(canvas.ops().empty());
  EXPECT_EQ(canvas.ops()[0].rect, (Rect{0, 0, 613, 20}));
  const auto texts = canvas.opsOfKind(platform::DrawOp::Kind::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "Play");
  EXPECT_EQ(texts[0].x, 33 + 2);
  EXPECT_EQ(texts[1].text, "42%");
  EXPECT_EQ(texts[1].x, 613 - 4 - 30);
}

} // namespace
} // namespace controls
