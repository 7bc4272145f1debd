// The QuickLaunch button's shape from its bitmap: every pixel whose colour
// lies within the key colour and the key plus a tolerance (per channel, only
// upwards, capped at 255) is transparent; each row's runs of the other pixels
// become one-pixel-high rectangles. The rectangles come in batches of at most
// `batchSize`, which the window joins into its mask; no batch is empty.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/canvas.h"

namespace shell {

// Pixels as 0xRRGGBB, row by row from the top.
struct PixelGrid {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t at(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};

struct Tolerance {
  int red = 1, green = 1, blue = 1;
};

// Whether `pixel` counts as the key colour `key`.
bool isKeyColour(std::uint32_t pixel, std::uint32_t key, Tolerance tolerance);

// The opaque runs of `grid`, keyed on its top-left pixel.
std::vector<std::vector<platform::Rect>>
regionFromBitmap(const PixelGrid& grid, Tolerance tolerance = {}, std::size_t batchSize = 2000);

} // namespace shell
