// A canvas for the control tests that turns filled rectangles into pixels, so
// that a painted control can be checked pixel by pixel without a screen.
// Text and pictures are recorded, measured with the fixed-width measure
// (10 pixels a character, lines 20 pixels high).
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "controls/al_progress_bar.h"
#include "platform/canvas.h"
#include "platform/fixed_width_measure.h"

namespace controls::testing {

class PixelCanvas : public platform::Canvas {
public:
  struct Text {
    int x, y;
    std::string text;
    platform::Color color;
  };

  PixelCanvas(int width, int height, platform::Color fill = platform::rgb(1, 2, 3))
      : pixels(width, height, fill) {}

  void fillRect(const platform::Rect& rect, platform::Color color) override {
    ++fills;
    const int left = std::max(0, rect.left), top = std::max(0, rect.top);
    const int right = std::min(pixels.width, rect.right());
    const int bottom = std::min(pixels.height, rect.bottom());
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x)
        pixels.setPixel(x, y, color);
  }
  void drawText(int x, int y, std::string_view text, const platform::FontSpec&,
                platform::Color color) override {
    texts.push_back({x, y, std::string(text), color});
  }
  void drawLine(int, int, int, int, platform::Color, int) override { ++lines; }
  void drawImage(int, int, const std::string& name) override { images.push_back(name); }
  const platform::TextMeasure& measure() const override { return measure_; }

  // How many pixels of row `y` have `color`.
  int countInRow(int y, platform::Color color) const {
    int n = 0;
    for (int x = 0; x < pixels.width; ++x)
      n += pixels.pixel(x, y) == color;
    return n;
  }
  int countInColumn(int x, platform::Color color) const {
    int n = 0;
    for (int y = 0; y < pixels.height; ++y)
      n += pixels.pixel(x, y) == color;
    return n;
  }

  Bitmap pixels;
  std::vector<Text> texts;
  std::vector<std::string> images;
  int fills = 0;
  int lines = 0;

private:
  platform::FixedWidthMeasure measure_{10, 20};
};

} // namespace controls::testing
