#include "shell/shaped_region.h"

#include <gtest/gtest.h>

namespace shell {
namespace {

constexpr std::uint32_t Key = 0xFF00C1; // red 255, green 0, blue 193

PixelGrid grid(int width, int height, std::uint32_t fill = Key) {
  return {width, height,
          std::vector<std::uint32_t>(static_cast<std::size_t>(width * height), fill)};
}

TEST(ShapedRegionTest, TheKeyAndOneAboveItInEachChannelAreTransparent) {
  const std::pair<std::uint32_t, bool> cases[] = {
      {0xFF00C1, true},  {0xFF00C2, true},  {0xFF01C1, true},  {0xFF01C2, true},
      {0xFE00C1, false}, {0xFF00C0, false}, {0xFF00C3, false}, {0xFF02C1, false},
  };
  for (const auto& [pixel, transparent] : cases)
    EXPECT_EQ(isKeyColour(pixel, Key, {}), transparent) << std::hex << pixel;
}

TEST(ShapedRegionTest, RunsOfOpaquePixelsBecomeRowRectangles) {
  PixelGrid g = grid(8, 3);
  // Row 0: opaque 1..2 and 5..7 (to the edge); the key colour plus one stays transparent.
  g.pixels[1] = g.pixels[2] = 0x202020;
  g.pixels[3] = 0xFF00C2;
  g.pixels[5] = g.pixels[6] = g.pixels[7] = 0xFE00C1; // red 254: opaque
  // Row 1: all key colour. Row 2: one pixel of blue 194 (transparent) between opaque ones.
  for (int x = 0; x < 8; ++x)
    g.pixels[16 + x] = 0x101010;
  g.pixels[16 + 4] = 0xFF00C2;
  const std::vector<std::vector<platform::Rect>> expected = {
      {{1, 0, 2, 1}, {5, 0, 3, 1}, {0, 2, 4, 1}, {5, 2, 3, 1}}};
  EXPECT_EQ(regionFromBitmap(g), expected);
  EXPECT_TRUE(regionFromBitmap(grid(4, 4)).empty()); // all key colour: no shape
  EXPECT_TRUE(regionFromBitmap(PixelGrid{}).empty());
}

} // namespace
} // namespace shell
