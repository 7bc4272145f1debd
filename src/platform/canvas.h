// A surface to paint on: the reader draws frames and controls through it, so
// that tests can record what was drawn instead of looking at pixels.
// Text is code page 1252; implementations convert at the edge.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/text_measure.h"

namespace platform {

struct Color {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Color&) const = default;
};

constexpr Color rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return Color{r, g, b};
}

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool operator==(const Rect&) const = default;
};

class Canvas {
public:
  virtual ~Canvas() = default;
  virtual void fillRect(const Rect& rect, Color color) = 0;
  // Draws `text` with its top left corner at (x, y) on a transparent background.
  virtual void drawText(int x, int y, std::string_view text, const FontSpec& font, Color color) = 0;
  virtual void drawLine(int x1, int y1, int x2, int y2, Color color, int penWidth = 1) = 0;
  // Draws the embedded picture `name` (a resource name such as "divider") at (x, y).
  virtual void drawImage(int x, int y, const std::string& name) = 0;
  // Measures text in the canvas' own font engine.
  virtual const TextMeasure& measure() const = 0;
};

} // namespace platform
