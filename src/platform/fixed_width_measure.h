// A text measure in which every character has the same width and every line
// the same height, whatever the font. Engine tests use it so that their
// results do not depend on the fonts installed.
#pragma once

#include "platform/text_measure.h"

namespace platform {

class FixedWidthMeasure : public TextMeasure {
public:
  explicit FixedWidthMeasure(int charWidth = 10, int lineHeight = 20)
      : charWidth_(charWidth), lineHeight_(lineHeight) {}

  // Number of bytes times the character width; CR counts like any character.
  int textWidth(const FontSpec& font, std::string_view text) const override;
  // The line height, for any text, the empty text included.
  int textHeight(const FontSpec& font, std::string_view text) const override;

  int charWidth() const { return charWidth_; }
  int lineHeight() const { return lineHeight_; }

private:
  int charWidth_;
  int lineHeight_;
};

} // namespace platform
