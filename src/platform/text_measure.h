// Measuring text in a font, in pixels. Text is code page 1252, as everywhere in
// the engine; implementations convert at the edge. The fixed-width measure
// makes engine results independent of the fonts installed.
#pragma once

#include <string>
#include <string_view>

namespace platform {

struct FontSpec {
  std::string family = "Arial";
  int pointSize = 12;
  bool bold = false;
  bool underline = false;
  bool antialias = true;

  bool operator==(const FontSpec&) const = default;
};

class TextMeasure {
public:
  virtual ~TextMeasure() = default;
  // Width in pixels of `text` (code page 1252) drawn in `font`.
  virtual int textWidth(const FontSpec& font, std::string_view text) const = 0;
  // Height in pixels of a line of `text` in `font`.
  virtual int textHeight(const FontSpec& font, std::string_view text) const = 0;
};

} // namespace platform
