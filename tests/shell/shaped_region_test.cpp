#include "shell/shaped_region.h"

#include <gtest/gtest.h>

namespace shell {
namespace {

constexpr std::uint32_t Key = 0xFF00C1; // red 255, green 0, blue 193

PixelGrid grid(int width, int height, std::uint32_t fill = Key) {
  return {width, height,
          std::vector<std::uint32_t>(static_cast<std::size_t>(width * height), fill)};
}

TEST(ShapedRegionTest, TheToleranceOnlyAddsToTheKey) {
  struct Case {
    std::uint32_t pixel;
    bool transparent;
  };
  const Case cases[] = {
      {0xFF00C1, true},  {0xFF00C2, true},  {0xFF01C1, true},  {0xFF01C2, true},  {0xFE00C1, false},
      {0xFF00C0, false}, {0xFF00C3, false}, {0xFF02C1, false}, {0x000000, false}, {0xFFFFFF, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(isKeyColour(c.pixel, Key, {}), c.transparent) << std::hex << c.pixel;
  // At 255 the bound stops there.
  EXPECT_TRUE(isKeyColour(0xFFFFFF, 0xFFFFFF, {5, 5, 5}));
  EXPECT_FALSE(isKeyColour(0xFAFFFF, 0xFFFFFF, {5, 5, 5}));
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
  const auto batches = regionFromBitmap(g);
  ASSERT_EQ(batches.size(), 1u);
  const std::vector<platform::Rect> expected = {
      {1, 0, 2, 1}, {5, 0, 3, 1}, {0, 2, 4, 1}, {5, 2, 3, 1}};
  EXPECT_EQ(batches[0], expected);
}

TEST(ShapedRegionTest, TheKeyIsTheTopLeftPixelWhateverItIs) {
  PixelGrid g = grid(3, 1, 0x00FF00);
  g.pixels[1] = Key;
  const auto batches = regionFromBitmap(g);
  ASSERT_EQ(batches.size(), 1u);
  EXPECT_EQ(batches[0], (std::vector<platform::Rect>{{1, 0, 1, 1}}));
}

TEST(ShapedRegionTest, RectanglesComeInBatchesAndNoBatchIsEmpty) {
  // A checkerboard row gives one rectangle per opaque pixel.
  PixelGrid g = grid(10, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 1; x < 10; x += 2)
      g.pixels[static_cast<std::size_t>(y * 10 + x)] = 0;
  const auto batches = regionFromBitmap(g, {}, 4);
  ASSERT_EQ(batches.size(), 4u); // 15 rectangles
  EXPECT_EQ(batches[0].size(), 4u);
  EXPECT_EQ(batches[3].size(), 3u);
  EXPECT_EQ(batches[3].back(), (platform::Rect{9, 2, 1, 1}));
  EXPECT_TRUE(regionFromBitmap(grid(4, 4)).empty()); // all key colour: no shape
  EXPECT_TRUE(regionFromBitmap(PixelGrid{}).empty());
  // Exactly one full batch leaves no empty one behind.
  PixelGrid wide = grid(4000, 1);
  for (int x = 1; x < 4000; x += 2)
    wide.pixels[static_cast<std::size_t>(x)] = 0;
  const auto full = regionFromBitmap(wide);
  ASSERT_EQ(full.size(), 1u);
  EXPECT_EQ(full[0].size(), 2000u);
}

} // namespace
} // namespace shell
