#include "shell/shaped_region.h"

#include <algorithm>
#include <utility>

namespace shell {

namespace {

bool channelWithin(std::uint32_t pixel, std::uint32_t key, int shift, int tolerance) {
  const int value = static_cast<int>((pixel >> shift) & 0xFF);
  const int low = static_cast<int>((key >> shift) & 0xFF);
  const int high = std::min(255, low + tolerance);
  return value >= low && value <= high;
}

} // namespace

bool isKeyColour(std::uint32_t pixel, std::uint32_t key, Tolerance tolerance) {
  return channelWithin(pixel, key, 16, tolerance.red) &&
         channelWithin(pixel, key, 8, tolerance.green) &&
         channelWithin(pixel, key, 0, tolerance.blue);
}

std::vector<std::vector<platform::Rect>>
regionFromBitmap(const PixelGrid& grid, Tolerance tolerance, std::size_t batchSize) {
  std::vector<std::vector<platform::Rect>> batches;
  if (grid.width <= 0 || grid.height <= 0) return batches;
  batchSize = std::max<std::size_t>(1, batchSize);
  const std::uint32_t key = grid.at(0, 0);
  std::vector<platform::Rect> batch;
  for (int y = 0; y < grid.height; ++y) {
    int x = 0;
    while (x < grid.width) {
      while (x < grid.width && isKeyColour(grid.at(x, y), key, tolerance))
        ++x;
      const int x0 = x;
      while (x < grid.width && !isKeyColour(grid.at(x, y), key, tolerance))
        ++x;
      if (x > x0) batch.push_back({x0, y, x - x0, 1});
      if (batch.size() == batchSize) batches.push_back(std::exchange(batch, {}));
    }
  }
  if (!batch.empty()) batches.push_back(std::move(batch));
  return batches;
}

} // namespace shell
