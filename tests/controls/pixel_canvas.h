// A recording canvas that also turns filled rectangles into pixels, so that a
// painted control can be checked pixel by pixel without a screen.
#pragma once

#include <algorithm>

#include "controls/al_progress_bar.h"
#include "platform/recording_canvas.h"

namespace controls::testing {

class PixelCanvas : public platform::RecordingCanvas {
public:
  PixelCanvas(int width, int height, platform::Color fill = platform::rgb(1, 2, 3))
      : pixels(width, height, fill) {}

  void fillRect(const platform::Rect& rect, platform::Color color) override {
    RecordingCanvas::fillRect(rect, color);
    for (int y = std::max(0, rect.top); y < std::min(pixels.height, rect.bottom()); ++y)
      for (int x = std::max(0, rect.left); x < std::min(pixels.width, rect.right()); ++x)
        pixels.setPixel(x, y, color);
  }

  // How many pixels of row `index` (or of column `index`) have `color`.
  int count(bool row, int index, platform::Color color) const {
    int n = 0;
    for (int i = 0; i < (row ? pixels.width : pixels.height); ++i)
      n += (row ? pixels.pixel(i, index) : pixels.pixel(index, i)) == color;
    return n;
  }

  Bitmap pixels;
};

} // namespace controls::testing
