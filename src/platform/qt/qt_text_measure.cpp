#include "platform/qt/qt_text_measure.h"

#include "platform/qt/qt_text.h"

namespace platform {

const QFontMetrics& QtTextMeasure::metrics(const FontSpec& font) const {
  if (!cachedFont_ || !(*cachedFont_ == font)) {
    const QFont qfont = toQFont(font);
    cachedMetrics_.emplace(device_ ? QFontMetrics(qfont, device_) : QFontMetrics(qfont));
    cachedFont_ = font;
  }
  return *cachedMetrics_;
}

int QtTextMeasure::textWidth(const FontSpec& font, std::string_view text) const {
  if (text.empty()) return 0;
  return metrics(font).horizontalAdvance(toQString(text));
}

int QtTextMeasure::textHeight(const FontSpec& font, std::string_view) const {
  return metrics(font).height();
}

int QtTextMeasure::ascent(const FontSpec& font) const {
  return metrics(font).ascent();
}

} // namespace platform
