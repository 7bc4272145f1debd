// The controls as the reader window sets them up: progress bar, image, status bar.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/al_progress_bar.h"
#include "controls/my_image.h"
#include "controls/my_status_bar.h"
#include "platform/recording_canvas.h"

namespace controls {
namespace {

using platform::Color;
using platform::Rect;
using platform::rgb;
using Dir = TProgressDirection;
// A canvas that turns filled rectangles into pixels.
struct PixelCanvas : platform::RecordingCanvas {
  PixelCanvas(int width, int height) : pixels(width, height, rgb(1, 2, 3)) {}
  void fillRect(const platform::Rect& r, Color color) override {
    for (int y = std::max(0, r.top); y < std::min(pixels.height, r.bottom()); ++y)
      for (int x = std::max(0, r.left); x < std::min(pixels.width, r.right()); ++x)
        pixels.setPixel(x, y, color);
  }
  Bitmap pixels;
};

const Color kBar = rgb(128, 128, 128);
const Color kBack = rgb(64, 64, 64);

void plainBar(TALProgressBar& bar, int width, int height, Dir direction = Dir::pdLeftToRight) {
  bar.setBounds(0, 0, width, height);
  bar.setDirection(direction);
  bar.setBarColorStyle(TBarColorStyle::cs1Color);
  bar.setBarColor1(kBar);
  bar.setBackgroundColor(kBack);
  bar.setShowBorder(false);
  bar.setShowPosText(false);
}

// The reader sets the range once, from 0; the bar never sees another minimum.
TEST(ProgressBarFill, FilledLengthFollowsPositionWithBankersRounding) {
  const struct {
    int max, position, width;
    bool border;
    int expected;
  } cases[] = {
      {10000, 5000, 557, false, 278}, // 278.5 rounds to even
      {100, 35, 10, false, 4},        // 3.5 rounds to even
      {100, 0, 200, true, 0},         // Position at Min shows no bar
      {100, 100, 200, true, 198},     // the frame takes a pixel at each end
  };
  for (const auto& c : cases) {
    TALProgressBar bar;
    plainBar(bar, c.width, 6);
    bar.setShowBorder(c.border);
    bar.setMax(c.max);
    bar.setPosition(c.position);
    EXPECT_EQ(bar.filledLength(), c.expected)
        << c.max << " at " << c.position << " over " << c.width;
  }
}

TEST(ProgressBarPosition, ValuesOutsideTheRangeAreIgnoredOthersRepaint) {
  TALProgressBar bar;
  bar.setPosition(40);
  int repaints = 0;
  bar.setChangeListener([&] { ++repaints; });
  for (int value : {101, -1, 40})
    bar.setPosition(value);
  EXPECT_EQ(bar.Position(), 40);
  EXPECT_EQ(repaints, 0);
  bar.setPosition(100);
  bar.setPosition(0);
  EXPECT_EQ(bar.Position(), 0);
  EXPECT_EQ(repaints, 2);
}

// At 30 of 100 the bar fills 6 of 20 pixels from its growth edge.
TEST(ProgressBarPaint, TheBarGrowsFromTheEdgeOfItsDirection) {
  for (const Dir direction : {Dir::pdLeftToRight, Dir::pdTopToBottom}) {
    const bool horizontal = direction == Dir::pdLeftToRight;
    TALProgressBar bar;
    plainBar(bar, horizontal ? 20 : 6, horizontal ? 6 : 20, direction);
    bar.setPosition(30);
    PixelCanvas canvas(bar.Width(), bar.Height());
    bar.paint(canvas);
    for (int i = 0; i < 20; ++i) {
      const Color pixel = horizontal ? canvas.pixels.pixel(i, 3) : canvas.pixels.pixel(3, i);
      EXPECT_EQ(pixel, i < 6 ? kBar : kBack) << int(direction) << " at " << i;
    }
  }
}

// e/l: enter/leave; d/r: left/right press at (2, 3); u/A: its release at (5, 6)
// or above the image at (5, -1).
TEST(MyImage, HoverAlternatesAndALeftPressAndReleaseOverTheImageClicksBeforeTheRelease) {
  const std::pair<const char*, const char*> cases[] = {{"eel", "enter -100,-100|leave -100,-100|"},
                                                       {"lell", "enter -100,-100|leave -100,-100|"},
                                                       {"du", "down 2,3|click|up 5,6|"},
                                                       {"dA", "down 2,3|up 5,-1|"},
                                                       {"ru", "down 2,3|up 5,6|"},
                                                       {"u", "up 5,6|"}};
  for (const auto& [sequence, expected] : cases) {
    TMyImage image;
    image.setBounds(0, 0, 12, 12);
    std::string events;
    auto log = [&events](const char* what, int x, int y, const Control* target = nullptr) {
      events += what + std::to_string(x) + "," + std::to_string(y) + (target ? "+target|" : "|");
    };
    image.OnEndDock = [log](TMyImage&, const Control* t, int x, int y) { log("enter ", x, y, t); };
    image.OnEndDrag = [log](TMyImage&, const Control* t, int x, int y) { log("leave ", x, y, t); };
    image.OnMouseDown = [log](TMyImage&, TMouseButton, int x, int y) { log("down ", x, y); };
    image.OnMouseUp = [log](TMyImage&, TMouseButton, int x, int y) { log("up ", x, y); };
    image.OnClick = [&events](TMyImage&) { events += "click|"; };
    TMouseButton button = TMouseButton::mbLeft;
    for (const char* s = sequence; *s; ++s) {
      if (*s == 'e') image.mouseEnter();
      if (*s == 'l') image.mouseLeave();
      if (*s == 'd' || *s == 'r') {
        button = *s == 'd' ? TMouseButton::mbLeft : TMouseButton::mbRight;
        image.mouseDown(button, 2, 3);
      }
      if (*s == 'u' || *s == 'A') image.mouseUp(button, 5, *s == 'u' ? 6 : -1);
    }
    EXPECT_EQ(events, expected) << sequence;
  }
}

// The reader window's status bar: icon (owner-drawn), message, hint and position.
void readerPanels(TMyStatusBar& bar) {
  bar.setBounds(0, 676, 613, 20);
  bar.addPanel({"", 33, TAlignment::taLeftJustify, TStatusPanelStyle::psOwnerDraw});
  bar.addPanel({"", 200});
  bar.addPanel({"", 220});
  bar.addPanel({"", 50, TAlignment::taRightJustify});
}

TEST(StatusBarPanels, PanelsLieSideBySideTheLastReachesTheEdgeAndAMissingOneIsNone) {
  TMyStatusBar bar;
  readerPanels(bar);
  EXPECT_THROW(bar.panel(4), std::out_of_range);
  EXPECT_THROW(bar.panelRect(-1), std::out_of_range);
  int repaints = 0;
  bar.setChangeListener([&] { ++repaints; });
  bar.setPanelText(9, "Heading detected");
  bar.setPanelWidth(-3, 10);
  EXPECT_EQ(repaints, 0);
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
  bar.setPanelText(1, "Heading detected");
  bar.setPanelText(1, "Heading detected");
  EXPECT_EQ(repaints, 2) << "the width change and the new text, not the same text again";
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
