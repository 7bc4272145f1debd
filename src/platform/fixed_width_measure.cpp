#include "platform/fixed_width_measure.h"

#include <climits>

namespace platform {

int FixedWidthMeasure::textWidth(const FontSpec&, std::string_view text) const {
  const long long width = static_cast<long long>(text.size()) * charWidth_;
  return width > INT_MAX ? INT_MAX : static_cast<int>(width);
}

int FixedWidthMeasure::textHeight(const FontSpec&, std::string_view) const {
  return lineHeight_;
}

} // namespace platform
