// Measures text with Qt's font metrics, for the screen or for a given paint
// device. Fonts are built by toQFont (platform/qt/qt_text.h).
#pragma once

#include <QFontMetrics>
#include <optional>

#include "platform/text_measure.h"

class QPaintDevice;

namespace platform {

class QtTextMeasure : public TextMeasure {
public:
  // Measures for `device` (which must outlive the measure), or for the screen.
  explicit QtTextMeasure(QPaintDevice* device = nullptr) : device_(device) {}

  int textWidth(const FontSpec& font, std::string_view text) const override;
  // The font's line height (ascent plus descent), whatever the text.
  int textHeight(const FontSpec& font, std::string_view text) const override;
  int ascent(const FontSpec& font) const;

private:
  // The metrics of the font asked for last are kept: a line is measured word by
  // word in one font.
  const QFontMetrics& metrics(const FontSpec& font) const;

  QPaintDevice* device_;
  mutable std::optional<FontSpec> cachedFont_;
  mutable std::optional<QFontMetrics> cachedMetrics_;
};

} // namespace platform
