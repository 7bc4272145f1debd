#include "controls/al_progress_bar.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "pixel_canvas.h"
#include "platform/recording_canvas.h"

namespace controls {
namespace {

using platform::Color;
using platform::rgb;
using testing::PixelCanvas;

const Color kBar = rgb(128, 128, 128);
const Color kBack = rgb(64, 64, 64);

// A one-colour bar without frame or text, as the reader window sets its bars.
void plainBar(TALProgressBar& bar, int width, int height, TProgressDirection direction) {
  bar.setBounds(0, 0, width, height);
  bar.setDirection(direction);
  bar.setBarColorStyle(TBarColorStyle::cs1Color);
  bar.setBarColor1(kBar);
  bar.setBackgroundColor(kBack);
  bar.setShowBorder(false);
  bar.setShowPosText(false);
}

// ---- rounding and gradients --------------------------------------------------

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  const struct {
    double value;
    long long expected;
  } cases[] = {{278.5, 278}, {279.5, 280}, {0.5, 0},   {1.5, 2},   {2.4999, 2},
               {2.5001, 3},  {-0.5, 0},    {-1.5, -2}, {-2.5, -2}, {7.0, 7}};
  for (const auto& c : cases)
    EXPECT_EQ(roundHalfEven(c.value), c.expected) << c.value;
}

TEST(MulDivRound, RoundsHalvesAwayFromZero) {
  const struct {
    long long value, numerator, denominator, expected;
  } cases[] = {{1, 255, 2, 128}, {1, -255, 2, -128}, {3, 10, 4, 8}, {1, 10, 3, 3},
               {2, 10, 3, 7},    {0, 99, 7, 0},      {5, 5, 0, 0},  {-1, 255, -2, 128}};
  for (const auto& c : cases) {
    EXPECT_EQ(mulDivRound(c.value, c.numerator, c.denominator), c.expected)
        << c.value << " * " << c.numerator << " / " << c.denominator;
  }
}

TEST(GradientColor, RunsFromTheFirstToTheLastColour) {
  const Color from = rgb(0, 255, 10), to = rgb(255, 0, 10);
  EXPECT_EQ(gradientColor(from, to, 1, 3), from);
  EXPECT_EQ(gradientColor(from, to, 3, 3), to);
  // Line 2 of 3 is half way: 127.5 rounds up, 127.5 down from 255 rounds to 127.
  EXPECT_EQ(gradientColor(from, to, 2, 3), rgb(128, 127, 10));
  EXPECT_EQ(gradientColor(from, to, 1, 1), from);
}

TEST(GradientColor, AnIndexOutsideTheLinesIsARangeError) {
  for (int index : {0, 6, -1}) {
    try {
      gradientColor(rgb(0, 0, 0), rgb(1, 1, 1), index, 5);
      FAIL() << "index " << index << " was accepted";
    } catch (const std::out_of_range& e) {
      EXPECT_STREQ(e.what(), "ColorIndex can't be less than 1 or greater than 5");
    }
  }
}

// ---- filled length -----------------------------------------------------------

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
  };
  for (const auto& c : cases) {
    TALProgressBar bar;
    plainBar(bar, c.width, 6, TProgressDirection::pdLeftToRight);
    bar.setShowBorder(c.border);
    bar.setMin(c.min);
    bar.setMax(c.max);
    bar.setPosition(c.position);
    EXPECT_EQ(bar.filledLength(), c.expected)
        << c.min << ".." << c.max << " at " << c.position << " over " << c.width;
  }
}

TEST(ProgressBarFill, NoBarAtMinOrWhenMaxEqualsMin) {
  TALProgressBar bar;
  plainBar(bar, 100, 6, TProgressDirection::pdLeftToRight);
  bar.setMin(10);
  bar.setMax(50);
  bar.setPosition(10);
  EXPECT_EQ(bar.filledLength(), 0);
  bar.setPosition(50);
  EXPECT_EQ(bar.filledLength(), 100);
  bar.setMin(50);
  EXPECT_EQ(bar.filledLength(), 0);
}

TEST(ProgressBarFill, AMaxLoweredBelowThePositionFillsTheWholeBarAndNoMore) {
  TALProgressBar bar;
  plainBar(bar, 100, 6, TProgressDirection::pdLeftToRight);
  bar.setPosition(80);
  bar.setMax(40);
  EXPECT_EQ(bar.filledLength(), 100);
  PixelCanvas canvas(100, 6);
  bar.paint(canvas);
  EXPECT_EQ(canvas.countInRow(3, kBar), 100);
}

TEST(ProgressBarPosition, ValuesOutsideTheRangeAreIgnored) {
  TALProgressBar bar;
  plainBar(bar, 100, 6, TProgressDirection::pdLeftToRight);
  bar.setPosition(40);
  int repaints = 0;
  bar.setChangeListener([&] { ++repaints; });
  for (int value : {101, -1, 40}) {
    bar.setPosition(value);
    EXPECT_EQ(bar.Position(), 40) << value;
  }
  EXPECT_EQ(repaints, 0);
  bar.setPosition(100);
  EXPECT_EQ(bar.Position(), 100);
  bar.setPosition(0);
  EXPECT_EQ(bar.Position(), 0);
  EXPECT_EQ(repaints, 2);
}

// ---- painting ------------------------------------------------------------------

TEST(ProgressBarPaint, HalfOfA557PixelBannerBarFills278Pixels) {
  TALProgressBar bar;
  plainBar(bar, 557, 6, TProgressDirection::pdLeftToRight);
  bar.setMax(10000);
  bar.setPosition(5000);
  PixelCanvas canvas(557, 6);
  bar.paint(canvas);
  for (int y = 0; y < 6; ++y) {
    EXPECT_EQ(canvas.countInRow(y, kBar), 278);
    EXPECT_EQ(canvas.countInRow(y, kBack), 279);
  }
  EXPECT_EQ(canvas.pixels.pixel(277, 0), kBar);
  EXPECT_EQ(canvas.pixels.pixel(278, 0), kBack);
}

TEST(ProgressBarPaint, TheBarGrowsFromTheEdgeOfItsDirection) {
  // A framed bar at 30 of 100: the inside is 18 pixels long, 5 of them filled.
  const struct {
    TProgressDirection direction;
    int width, height;
    int filledX, filledY;     // a pixel just inside the growth edge
    int unfilledX, unfilledY; // a pixel just inside the opposite edge
  } cases[] = {
      {TProgressDirection::pdLeftToRight, 20, 6, 1, 3, 18, 3},
      {TProgressDirection::pdRightToLeft, 20, 6, 18, 3, 1, 3},
      {TProgressDirection::pdBottomToTop, 6, 20, 3, 18, 3, 1},
      {TProgressDirection::pdTopToBottom, 6, 20, 3, 1, 3, 18},
  };
  for (const auto& c : cases) {
    TALProgressBar bar;
    plainBar(bar, c.width, c.height, c.direction);
    bar.setShowBorder(true);
    bar.setPosition(30);
    ASSERT_EQ(bar.filledLength(), 5);
    PixelCanvas canvas(c.width, c.height);
    bar.paint(canvas);
    EXPECT_EQ(canvas.pixels.pixel(c.filledX, c.filledY), kBar) << int(c.direction);
    EXPECT_EQ(canvas.pixels.pixel(c.unfilledX, c.unfilledY), kBack) << int(c.direction);
    const bool horizontal = c.width > c.height;
    const int filledCount = horizontal ? canvas.countInRow(c.height / 2, kBar)
                                       : canvas.countInColumn(c.width / 2, kBar);
    EXPECT_EQ(filledCount, 5) << int(c.direction);
  }
}

TEST(ProgressBarPaint, TheFrameIsLightFromBelowRightAndDarkFromAboveLeft) {
  TALProgressBar bar;
  plainBar(bar, 10, 5, TProgressDirection::pdLeftToRight);
  bar.setShowBorder(true);
  const Color dark = rgb(10, 10, 10), light = rgb(250, 250, 250);
  bar.setBorderColor1(dark);
  bar.setBorderColor2(light);
  PixelCanvas canvas(10, 5);
  bar.paint(canvas);
  EXPECT_EQ(canvas.countInRow(0, dark), 10);    // top
  EXPECT_EQ(canvas.countInColumn(0, dark), 5);  // left
  EXPECT_EQ(canvas.countInRow(4, light), 9);    // bottom, but its left corner
  EXPECT_EQ(canvas.countInColumn(9, light), 4); // right, but its top corner
  EXPECT_EQ(canvas.pixels.pixel(9, 0), dark);
  EXPECT_EQ(canvas.pixels.pixel(0, 4), dark);
  EXPECT_EQ(canvas.pixels.pixel(5, 2), kBack); // inside, empty bar
}

TEST(ProgressBarPaint, WhileLoadingOnlyTheBackgroundIsPainted) {
  TALProgressBar bar;
  plainBar(bar, 20, 4, TProgressDirection::pdLeftToRight);
  bar.setPosition(100);
  bar.setLoading(true);
  PixelCanvas canvas(20, 4);
  bar.paint(canvas);
  EXPECT_EQ(canvas.countInRow(2, kBack), 20);
  EXPECT_EQ(bar.barImageBuilds(), 0);
}

// ---- the bar image ---------------------------------------------------------------

TEST(ProgressBarImage, TwoColourGradientsRunAlongTheBar) {
  const Color c1 = rgb(0, 0, 0), c2 = rgb(200, 100, 0);
  const struct {
    TProgressDirection direction;
    int width, height;
    Color first, last; // colours at offset 0 and at the far end
  } cases[] = {
      {TProgressDirection::pdLeftToRight, 11, 3, c1, c2},
      {TProgressDirection::pdRightToLeft, 11, 3, c2, c1},
      {TProgressDirection::pdTopToBottom, 3, 11, c1, c2},
      {TProgressDirection::pdBottomToTop, 3, 11, c2, c1},
  };
  for (const auto& c : cases) {
    TALProgressBar bar;
    bar.setBounds(0, 0, c.width, c.height);
    bar.setDirection(c.direction);
    bar.setBarColorStyle(TBarColorStyle::cs2Colors);
    bar.setBarColor1(c1);
    bar.setBarColor2(c2);
    PixelCanvas canvas(c.width, c.height);
    bar.paint(canvas);
    const Bitmap& image = bar.barImage();
    const bool horizontal = c.width > c.height;
    EXPECT_EQ(image.pixel(0, 0), c.first) << int(c.direction);
    EXPECT_EQ(horizontal ? image.pixel(10, 2) : image.pixel(2, 10), c.last) << int(c.direction);
    // Half way along, every line across the bar has the middle colour.
    const Color middle = rgb(100, 50, 0);
    EXPECT_EQ(horizontal ? image.pixel(5, 1) : image.pixel(1, 5), middle) << int(c.direction);
  }
}

TEST(ProgressBarImage, ThreeColourGradientsMeetInTheMiddleColour) {
  const Color c1 = rgb(0, 128, 0), c2 = rgb(255, 255, 0), c3 = rgb(255, 0, 0);
  TALProgressBar bar; // three colours are the default
  bar.setBounds(0, 0, 10, 2);
  PixelCanvas canvas(10, 2);
  bar.paint(canvas);
  const Bitmap& forward = bar.barImage();
  EXPECT_EQ(forward.pixel(0, 0), c1);
  EXPECT_EQ(forward.pixel(4, 0), c2); // last line of the first half
  EXPECT_EQ(forward.pixel(5, 0), c2); // first line of the second half
  EXPECT_EQ(forward.pixel(9, 1), c3);

  bar.setDirection(TProgressDirection::pdRightToLeft);
  bar.paint(canvas);
  const Bitmap& backward = bar.barImage();
  EXPECT_EQ(backward.pixel(0, 0), c3);
  EXPECT_EQ(backward.pixel(4, 0), c2);
  EXPECT_EQ(backward.pixel(9, 0), c1);
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
  tile.setPixel(0, 0, rgb(255, 0, 0));
  tile.setPixel(1, 0, rgb(0, 255, 0));
  tile.setPixel(0, 1, rgb(0, 0, 255));
  tile.setPixel(1, 1, rgb(9, 9, 9));
  TALProgressBar bar;
  bar.setBounds(0, 0, 5, 3);
  bar.setBarColorStyle(TBarColorStyle::cs1Color);
  bar.setBarBitmap(tile);
  bar.setShowBorder(false);
  bar.setShowPosText(false);
  bar.setPosition(100);
  PixelCanvas canvas(5, 3);
  bar.paint(canvas);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(canvas.pixels.pixel(x, y), tile.pixel(x % 2, y % 2)) << x << "," << y;
}

TEST(ProgressBarImage, OnlyChangesOtherThanPositionRebuildTheImage) {
  TALProgressBar bar; // three-colour gradient
  PixelCanvas canvas(200, 20);
  bar.paint(canvas);
  EXPECT_EQ(bar.barImageBuilds(), 1);

  const struct {
    const char* what;
    std::function<void(TALProgressBar&)> change;
    int buildsAfter;
  } steps[] = {
      {"position", [](TALProgressBar& b) { b.setPosition(60); }, 1},
      {"position again", [](TALProgressBar& b) { b.setPosition(10); }, 1},
      {"same colour", [](TALProgressBar& b) { b.setBarColor2(rgb(255, 255, 0)); }, 1},
      {"middle colour", [](TALProgressBar& b) { b.setBarColor2(rgb(0, 0, 255)); }, 2},
      {"background", [](TALProgressBar& b) { b.setBackgroundColor(rgb(1, 1, 1)); }, 3},
      {"direction", [](TALProgressBar& b) { b.setDirection(TProgressDirection::pdRightToLeft); },
       4},
      {"text suffix", [](TALProgressBar& b) { b.setPosTextSuffix("%"); }, 5},
      {"size", [](TALProgressBar& b) { b.setWidth(150); }, 6},
      {"place only", [](TALProgressBar& b) { b.setLeft(30); }, 6},
      {"max", [](TALProgressBar& b) { b.setMax(500); }, 7},
  };
  for (const auto& step : steps) {
    step.change(bar);
    bar.paint(canvas);
    EXPECT_EQ(bar.barImageBuilds(), step.buildsAfter) << step.what;
  }
}

TEST(ProgressBarImage, AOneColourBarBuildsNoImage) {
  TALProgressBar bar;
  plainBar(bar, 50, 6, TProgressDirection::pdLeftToRight);
  PixelCanvas canvas(50, 6);
  bar.paint(canvas);
  bar.setBarColor1(rgb(3, 3, 3));
  bar.paint(canvas);
  EXPECT_EQ(bar.barImageBuilds(), 0);
}

// ---- property changes ---------------------------------------------------------

TEST(ProgressBarProperties, EverySettingThatChangesSomethingRepaintsOnce) {
  const std::function<void(TALProgressBar&)> setters[] = {
      [](TALProgressBar& b) { b.setMin(-5); },
      [](TALProgressBar& b) { b.setMax(5000); },
      [](TALProgressBar& b) { b.setPosition(7); },
      [](TALProgressBar& b) { b.setDirection(TProgressDirection::pdBottomToTop); },
      [](TALProgressBar& b) { b.setBarColorStyle(TBarColorStyle::cs2Colors); },
      [](TALProgressBar& b) { b.setBarColor1(rgb(1, 1, 1)); },
      [](TALProgressBar& b) { b.setBarColor3(rgb(1, 1, 1)); },
      [](TALProgressBar& b) { b.setBarBitmap(Bitmap(1, 1)); },
      [](TALProgressBar& b) { b.setShowBorder(false); },
      [](TALProgressBar& b) { b.setBorderColor1(rgb(1, 1, 1)); },
      [](TALProgressBar& b) { b.setBorderColor2(rgb(1, 1, 1)); },
      [](TALProgressBar& b) { b.setShowPosText(false); },
      [](TALProgressBar& b) { b.setPercentage(true); },
      [](TALProgressBar& b) { b.setPosTextPrefix("at "); },
      [](TALProgressBar& b) {
        b.setFont({"DejaVu Sans", 9});
      },
      [](TALProgressBar& b) { b.setFontColor(rgb(9, 9, 9)); },
      [](TALProgressBar& b) { b.setBounds(1, 2, 3, 4); },
  };
  int index = 0;
  for (const auto& set : setters) {
    TALProgressBar bar;
    int repaints = 0;
    bar.setChangeListener([&] { ++repaints; });
    set(bar);
    EXPECT_EQ(repaints, 1) << "setter " << index;
    set(bar); // the same value again changes nothing
    EXPECT_EQ(repaints, 1) << "setter " << index;
    ++index;
  }
}

TEST(ProgressBarProperties, DefaultsAreAFramedThreeColourBarWithText) {
  TALProgressBar bar;
  EXPECT_EQ(bar.Width(), 200);
  EXPECT_EQ(bar.Height(), 20);
  EXPECT_EQ(bar.Min(), 0);
  EXPECT_EQ(bar.Max(), 100);
  EXPECT_EQ(bar.Position(), 0);
  EXPECT_EQ(bar.Direction(), TProgressDirection::pdLeftToRight);
  EXPECT_EQ(bar.BarColorStyle(), TBarColorStyle::cs3Colors);
  EXPECT_EQ(bar.BarColor1(), rgb(0, 128, 0));
  EXPECT_EQ(bar.BarColor2(), rgb(255, 255, 0));
  EXPECT_EQ(bar.BarColor3(), rgb(255, 0, 0));
  EXPECT_TRUE(bar.ShowBorder());
  EXPECT_TRUE(bar.ShowPosText());
  EXPECT_FALSE(bar.Percentage());
  EXPECT_TRUE(bar.BarBitmap().empty());
}

// ---- position text ---------------------------------------------------------------

TEST(ProgressBarText, ShowsPositionOrPercentageBetweenPrefixAndSuffix) {
  const struct {
    int max, position;
    bool percentage;
    const char *prefix, *suffix, *expected;
  } cases[] = {
      {100, 42, false, "", "", "42"},
      {10000, 5000, true, "", "", "50"},
      {10000, 5000, true, "Read ", "%", "Read 50%"},
      {200, 1, true, "", "", "0"}, // 0.5 rounds to even
      {200, 3, true, "", "", "2"}, // 1.5 rounds to even
      {300, 1, true, "", "", "0"},
  };
  for (const auto& c : cases) {
    TALProgressBar bar;
    bar.setMax(c.max);
    bar.setPosition(c.position);
    bar.setPercentage(c.percentage);
    bar.setPosTextPrefix(c.prefix);
    bar.setPosTextSuffix(c.suffix);
    EXPECT_EQ(bar.positionText(), c.expected);
  }
}

TEST(ProgressBarText, APercentageOfAZeroMaxIsZero) {
  TALProgressBar bar;
  bar.setMin(-10);
  bar.setMax(0);
  bar.setPosition(-5);
  bar.setPercentage(true);
  EXPECT_EQ(bar.positionText(), "0");
}

TEST(ProgressBarText, TheTextIsCentredInTheControlsFontAndColour) {
  TALProgressBar bar; // 200 x 20
  bar.setPosition(50);
  bar.setFontColor(rgb(7, 8, 9));
  platform::RecordingCanvas canvas; // 10 pixels a character, 20 a line
  bar.paint(canvas);
  const auto texts = canvas.opsOfKind(platform::DrawOp::Kind::Text);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "50");
  EXPECT_EQ(texts[0].x, 100 - 10);
  EXPECT_EQ(texts[0].y, 10 - 10);
  EXPECT_EQ(texts[0].color, rgb(7, 8, 9));
  EXPECT_EQ(texts[0].font, bar.Font());

  bar.setShowPosText(false);
  canvas.clear();
  bar.paint(canvas);
  EXPECT_TRUE(canvas.opsOfKind(platform::DrawOp::Kind::Text).empty());
}

// ---- drawing a bitmap as rectangles ---------------------------------------------

TEST(DrawBitmap, StripesBecomeSingleRectanglesAndPixelsLandInPlace) {
  Bitmap stripes(4, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x)
      stripes.setPixel(x, y, rgb(static_cast<std::uint8_t>(x), 0, 0));
  PixelCanvas canvas(6, 5, rgb(200, 200, 200));
  drawBitmap(canvas, stripes, 1, 2);
  EXPECT_EQ(canvas.fills, 4); // one rectangle per column
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 6; ++x) {
      const bool inside = x >= 1 && x < 5 && y >= 2 && y < 5;
      EXPECT_EQ(canvas.pixels.pixel(x, y),
                inside ? rgb(static_cast<std::uint8_t>(x - 1), 0, 0) : rgb(200, 200, 200))
          << x << "," << y;
    }
  }
}

TEST(DrawBitmap, IrregularPicturesAreReproducedExactly) {
  Bitmap picture(7, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x)
      picture.setPixel(x, y, ((x * 3 + y * y) % 4 == 0) ? rgb(1, 1, 1) : rgb(2, 2, 2));
  PixelCanvas canvas(7, 5);
  drawBitmap(canvas, picture);
  EXPECT_EQ(canvas.pixels, picture);
}

} // namespace
} // namespace controls
