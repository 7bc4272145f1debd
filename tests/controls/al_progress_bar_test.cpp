// The progress bar as the reader window sets it up: one colour, no frame, no
// text, growing from the left or from the top.
#include "controls/al_progress_bar.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/recording_canvas.h"

namespace controls {
namespace {

using platform::Color;
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

// At 30 of 100 the bar fills 6 of 20 pixels from its growth edge; the rest is
// the background.
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

} // namespace
} // namespace controls
