#include "controls/al_progress_bar.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "pixel_canvas.h"

namespace controls {
namespace {

using platform::Color;
using platform::rgb;
using testing::PixelCanvas;
using Dir = TProgressDirection;
using Style = TBarColorStyle;
using Kind = platform::DrawOp::Kind;

const Color kBar = rgb(128, 128, 128);
const Color kBack = rgb(64, 64, 64);
const Color kGreen = rgb(0, 128, 0), kYellow = rgb(255, 255, 0), kRed = rgb(255, 0, 0);

// A one-colour bar without frame or text, as the reader window sets its bars.
void plainBar(TALProgressBar& bar, int width, int height, Dir direction = Dir::pdLeftToRight) {
  bar.setBounds(0, 0, width, height);
  bar.setDirection(direction);
  bar.setBarColorStyle(Style::cs1Color);
  bar.setBarColor1(kBar);
  bar.setBackgroundColor(kBack);
  bar.setShowBorder(false);
  bar.setShowPosText(false);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  const struct {
    double value;
    long long expected;
  } cases[] = {{278.5, 278}, {279.5, 280}, {0.5, 0},   {1.5, 2},   {2.4999, 2},
               {2.5001, 3},  {-0.5, 0},    {-1.5, -2}, {-2.5, -2}, {7.0, 7}};
  for (const auto& c : cases)
    EXPECT_EQ(roundHalfEven(c.value), c.expected) << c.value;
}

TEST(GradientColor, RunsFromTheFirstToTheLastColourAndRejectsOtherLines) {
  const Color from = rgb(0, 255, 10), to = rgb(255, 0, 10);
  EXPECT_EQ(gradientColor(from, to, 1, 3), from);
  EXPECT_EQ(gradientColor(from, to, 3, 3), to);
  // Half way, both up and down, rounds away from zero: 127.5 -> 128, 255 - 128.
  EXPECT_EQ(gradientColor(from, to, 2, 3), rgb(128, 127, 10));
  EXPECT_EQ(gradientColor(from, to, 1, 1), from);
  for (int index : {0, 6, -1}) {
    try {
      gradientColor(from, to, index, 5);
      FAIL() << "index " << index << " was accepted";
    } catch (const std::out_of_range& e) {
      EXPECT_STREQ(e.what(), "ColorIndex can't be less than 1 or greater than 5");
    }
  }
}

TEST(ProgressBarFill, FilledLengthFollowsPositionWithBankersRounding) {
  const struct {
    int min, max, position, width;
    bool border;
    int expected;
  } cases[] = {
      {0, 10000, 5000, 557, false, 278}, // 278.5 rounds to even
      {0, 100, 0, 200, true, 0},         {0, 100, 100, 200, true, 198},
      {0, 100, 50, 200, true, 99},       {0, 100, 25, 10, false, 2}, // 2.5
      {0, 100, 35, 10, false, 4},                                    // 3.5
      {-100, 100, 0, 200, false, 100},   {0, 100, 1, 200, false, 2},
      {10, 50, 10, 100, false, 0},       {10, 50, 50, 100, false, 100},
  };
  for (const auto& c : cases) {
    TALProgressBar bar;
    plainBar(bar, c.width, 6);
    bar.setShowBorder(c.border);
    bar.setMin(c.min);
    bar.setMax(c.max);
    bar.setPosition(c.position);
    EXPECT_EQ(bar.filledLength(), c.expected)
        << c.min << ".." << c.max << " at " << c.position << " over " << c.width;
  }
}

TEST(ProgressBarFill, ARangeChangedUnderThePositionStaysInsideTheBar) {
  TALProgressBar bar;
  plainBar(bar, 100, 6);
  bar.setPosition(80);
  bar.setMax(40); // below the position: the whole bar and no more
  EXPECT_EQ(bar.filledLength(), 100);
  PixelCanvas canvas(100, 6);
  bar.paint(canvas);
  EXPECT_EQ(canvas.count(true, 3, kBar), 100);
  bar.setMin(40); // Max equals Min
  EXPECT_EQ(bar.filledLength(), 0);
}

TEST(ProgressBarPosition, ValuesOutsideTheRangeAreIgnored) {
  TALProgressBar bar;
  bar.setPosition(40);
  int repaints = 0;
  bar.setChangeListener([&] { ++repaints; });
  for (int value : {101, -1, 40})
    bar.setPosition(value);
  EXPECT_EQ(bar.Position(), 40);
  EXPECT_EQ(repaints, 0);
  bar.setPosition(100);
  EXPECT_EQ(bar.Position(), 100);
  bar.setPosition(0);
  EXPECT_EQ(bar.Position(), 0);
  EXPECT_EQ(repaints, 2);
}

TEST(ProgressBarPaint, TheBarGrowsFromTheEdgeOfItsDirectionInsideItsFrame) {
  // A framed bar at 30 of 100: the inside is 18 pixels long, 5 of them filled.
  const Color dark = rgb(10, 10, 10), light = rgb(250, 250, 250);
  const struct {
    Dir direction;
    int width, height;
    int filledX, filledY;     // a pixel just inside the growth edge
    int unfilledX, unfilledY; // a pixel just inside the opposite edge
  } cases[] = {
      {Dir::pdLeftToRight, 20, 6, 1, 3, 18, 3},
      {Dir::pdRightToLeft, 20, 6, 18, 3, 1, 3},
      {Dir::pdBottomToTop, 6, 20, 3, 18, 3, 1},
      {Dir::pdTopToBottom, 6, 20, 3, 1, 3, 18},
  };
  for (const auto& c : cases) {
    TALProgressBar bar;
    plainBar(bar, c.width, c.height, c.direction);
    bar.setShowBorder(true);
    bar.setBorderColor1(dark);
    bar.setBorderColor2(light);
    bar.setPosition(30);
    PixelCanvas canvas(c.width, c.height);
    bar.paint(canvas);
    EXPECT_EQ(canvas.pixels.pixel(c.filledX, c.filledY), kBar) << int(c.direction);
    EXPECT_EQ(canvas.pixels.pixel(c.unfilledX, c.unfilledY), kBack) << int(c.direction);
    EXPECT_EQ(canvas.count(c.width > c.height, 3, kBar), 5) << int(c.direction);
    // Dark along the top and left, light along the bottom and right but for
    // the two corners where they meet.
    const int w = c.width, h = c.height;
    EXPECT_EQ(canvas.count(true, 0, dark), w);
    EXPECT_EQ(canvas.count(false, 0, dark), h);
    EXPECT_EQ(canvas.count(true, h - 1, light), w - 1);
    EXPECT_EQ(canvas.count(false, w - 1, light), h - 1);
  }
}

TEST(ProgressBarPaint, WhileLoadingOnlyTheBackgroundIsPainted) {
  TALProgressBar bar;
  plainBar(bar, 20, 4);
  bar.setBarColorStyle(Style::cs2Colors);
  bar.setPosition(100);
  bar.setLoading(true);
  PixelCanvas canvas(20, 4);
  bar.paint(canvas);
  EXPECT_EQ(canvas.count(true, 2, kBack), 20);
  EXPECT_EQ(bar.barImageBuilds(), 0);
}

TEST(ProgressBarImage, GradientsRunAlongTheBarInItsDirection) {
  const Color c1 = rgb(0, 0, 0), c2 = rgb(200, 100, 0), middle = rgb(100, 50, 0);
  const struct {
    Dir direction;
    int width, height;
    Color first, last; // colours at offset 0 and at the far end
  } cases[] = {
      {Dir::pdLeftToRight, 11, 3, c1, c2},
      {Dir::pdRightToLeft, 11, 3, c2, c1},
      {Dir::pdTopToBottom, 3, 11, c1, c2},
      {Dir::pdBottomToTop, 3, 11, c2, c1},
  };
  for (const auto& c : cases) {
    TALProgressBar bar;
    bar.setBounds(0, 0, c.width, c.height);
    bar.setDirection(c.direction);
    bar.setBarColorStyle(Style::cs2Colors);
    bar.setBarColor1(c1);
    bar.setBarColor2(c2);
    PixelCanvas canvas(c.width, c.height);
    bar.paint(canvas);
    const Bitmap& image = bar.barImage();
    const bool horizontal = c.width > c.height;
    EXPECT_EQ(image.pixel(0, 0), c.first) << int(c.direction);
    EXPECT_EQ(horizontal ? image.pixel(10, 2) : image.pixel(2, 10), c.last) << int(c.direction);
    EXPECT_EQ(horizontal ? image.pixel(5, 1) : image.pixel(1, 5), middle) << int(c.direction);
  }
  // Three colours (the default) meet in the middle one, both ways round.
  TALProgressBar bar;
  bar.setBounds(0, 0, 10, 2);
  PixelCanvas canvas(10, 2);
  bar.paint(canvas);
  EXPECT_EQ(bar.barImage().pixel(0, 0), kGreen);
  EXPECT_EQ(bar.barImage().pixel(4, 0), kYellow); // last line of the first half
  EXPECT_EQ(bar.barImage().pixel(5, 0), kYellow); // first line of the second half
  EXPECT_EQ(bar.barImage().pixel(9, 1), kRed);
  bar.setDirection(Dir::pdRightToLeft);
  bar.paint(canvas);
  EXPECT_EQ(bar.barImage().pixel(0, 0), kRed);
  EXPECT_EQ(bar.barImage().pixel(4, 0), kYellow);
  EXPECT_EQ(bar.barImage().pixel(9, 0), kGreen);
}

TEST(ProgressBarImage, ATinyBarGetsAGradientWithoutDividingByZero) {
  for (int width : {1, 2, 3}) {
    TALProgressBar bar;
    bar.setBounds(0, 0, width, 1);
    bar.setShowBorder(false);
    bar.setPosition(100);
    PixelCanvas canvas(width, 1);
    EXPECT_NO_THROW(bar.paint(canvas)) << width;
    EXPECT_EQ(canvas.pixels.pixel(width - 1, 0), bar.barImage().pixel(width - 1, 0));
  }
}

TEST(ProgressBarImage, APictureIsTiledFromTheTopLeftAndOverridesTheColourStyle) {
  Bitmap tile(2, 2);
  tile.pixels = {rgb(255, 0, 0), rgb(0, 255, 0), rgb(0, 0, 255), rgb(9, 9, 9)};
  TALProgressBar bar;
  plainBar(bar, 5, 3);
  bar.setBarBitmap(tile);
  bar.setPosition(100);
  PixelCanvas canvas(5, 3);
  bar.paint(canvas);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(canvas.pixels.pixel(x, y), tile.pixel(x % 2, y % 2)) << x << "," << y;
}

// A setting tells the listener once when it changes something and not at all
// when it does not; only changes other than Position (and place) rebuild the
// bar image, and a one-colour bar without picture needs none.
TEST(ProgressBarProperties, ChangesRepaintOnceAndRebuildTheImageOnlyWhenNeeded) {
  TALProgressBar bar; // three-colour gradient
  PixelCanvas canvas(200, 20);
  bar.paint(canvas);
  ASSERT_EQ(bar.barImageBuilds(), 1);
  const Color c = rgb(1, 1, 1);
  const platform::FontSpec font{"DejaVu Sans", 9};
  const struct {
    const char* what;
    std::function<void(TALProgressBar&)> change;
    bool repaints, rebuilds;
  } steps[] = {
      {"position", [](TALProgressBar& b) { b.setPosition(60); }, true, false},
      {"same colour", [](TALProgressBar& b) { b.setBarColor2(kYellow); }, false, false},
      {"middle colour", [](TALProgressBar& b) { b.setBarColor2(rgb(0, 0, 255)); }, true, true},
      {"background", [c](TALProgressBar& b) { b.setBackgroundColor(c); }, true, true},
      {"direction", [](TALProgressBar& b) { b.setDirection(Dir::pdBottomToTop); }, true, true},
      {"size", [](TALProgressBar& b) { b.setWidth(150); }, true, true},
      {"place only", [](TALProgressBar& b) { b.setLeft(30); }, true, false},
      {"max", [](TALProgressBar& b) { b.setMax(500); }, true, true},
      {"min", [](TALProgressBar& b) { b.setMin(-5); }, true, true},
      {"first colour", [c](TALProgressBar& b) { b.setBarColor1(c); }, true, true},
      {"frame", [](TALProgressBar& b) { b.setShowBorder(false); }, true, true},
      {"frame colour", [c](TALProgressBar& b) { b.setBorderColor1(c); }, true, true},
      {"percentage", [](TALProgressBar& b) { b.setPercentage(true); }, true, true},
      {"prefix", [](TALProgressBar& b) { b.setPosTextPrefix("at "); }, true, true},
      {"font", [font](TALProgressBar& b) { b.setFont(font); }, true, true},
      {"two colours", [](TALProgressBar& b) { b.setBarColorStyle(Style::cs2Colors); }, true, true},
      {"picture", [](TALProgressBar& b) { b.setBarBitmap(Bitmap(1, 1)); }, true, true},
      {"one colour", [](TALProgressBar& b) { b.setBarColorStyle(Style::cs1Color); }, true, true},
      {"no picture", [](TALProgressBar& b) { b.setBarBitmap(Bitmap()); }, true, false},
      {"its colour", [](TALProgressBar& b) { b.setBarColor1(rgb(3, 3, 3)); }, true, false},
  };
  for (const auto& step : steps) {
    int repaints = 0;
    bar.setChangeListener([&] { ++repaints; });
    const int builds = bar.barImageBuilds();
    step.change(bar);
    step.change(bar); // the same value again changes nothing
    EXPECT_EQ(repaints, step.repaints ? 1 : 0) << step.what;
    bar.paint(canvas);
    EXPECT_EQ(bar.barImageBuilds(), builds + (step.rebuilds ? 1 : 0)) << step.what;
  }
}

TEST(ProgressBarText, ShowsPositionOrPercentageBetweenPrefixAndSuffix) {
  const struct {
    int min, max, position;
    bool percentage;
    const char *prefix, *suffix, *expected;
  } cases[] = {
      {0, 100, 42, false, "", "", "42"},
      {0, 10000, 5000, true, "Read ", "%", "Read 50%"},
      {0, 200, 1, true, "", "", "0"}, // 0.5 rounds to even
      {0, 200, 3, true, "", "", "2"}, // 1.5 rounds to even
      {0, 300, 1, true, "", "", "0"},
      {-10, 0, -5, true, "", "", "0"}, // no percentage of a zero Max
  };
  for (const auto& c : cases) {
    TALProgressBar bar;
    bar.setMin(c.min);
    bar.setMax(c.max);
    bar.setPosition(c.position);
    bar.setPercentage(c.percentage);
    bar.setPosTextPrefix(c.prefix);
    bar.setPosTextSuffix(c.suffix);
    EXPECT_EQ(bar.positionText(), c.expected);
  }
}

TEST(ProgressBarText, TheTextIsCentredInTheControlsFontAndColour) {
  TALProgressBar bar; // 200 x 20
  bar.setPosition(50);
  bar.setFontColor(rgb(7, 8, 9));
  PixelCanvas canvas(200, 20); // 10 pixels a character, 20 a line
  bar.paint(canvas);
  const auto texts = canvas.opsOfKind(Kind::Text);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "50");
  EXPECT_EQ(texts[0].x, 100 - 10);
  EXPECT_EQ(texts[0].y, 10 - 10);
  EXPECT_EQ(texts[0].color, rgb(7, 8, 9));
  EXPECT_EQ(texts[0].font, bar.Font());
  bar.setShowPosText(false);
  canvas.clear();
  bar.paint(canvas);
  EXPECT_TRUE(canvas.opsOfKind(Kind::Text).empty());
}

TEST(DrawBitmap, PicturesAreReproducedExactlyInPlace) {
  Bitmap irregular(7, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x)
      irregular.setPixel(x, y, ((x * 3 + y * y) % 4 == 0) ? rgb(1, 1, 1) : rgb(2, 2, 2));
  const Color fill = rgb(200, 200, 200);
  PixelCanvas canvas(9, 8, fill);
  drawBitmap(canvas, irregular, 1, 2);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 9; ++x) {
      const bool inside = x >= 1 && x < 8 && y >= 2 && y < 7;
      EXPECT_EQ(canvas.pixels.pixel(x, y), inside ? irregular.pixel(x - 1, y - 2) : fill)
          << x << "," << y;
    }
}

} // namespace
} // namespace controls
