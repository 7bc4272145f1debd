// Conversions between the program's own values and Qt's at the edge: code page
// 1252 text to and from QString, FontSpec to QFont, Color to QColor, Rect to
// QRect. Point sizes are taken at 96 dots per inch, the resolution the
// program's pixel layout was made for, so that a font is as many pixels high
// whatever the screen's own setting.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string>
#include <string_view>

#include "platform/canvas.h"
#include "platform/text_measure.h"

namespace platform {

QString toQString(std::string_view cp1252);
// Characters the code page lacks become '?'.
std::string fromQString(const QString& text);

// The font's em height in pixels for a point size at 96 dots per inch.
int pixelSizeForPoints(int pointSize);
QFont toQFont(const FontSpec& font);

inline QColor toQColor(Color color) {
  return QColor(color.r, color.g, color.b);
}
inline QRect toQRect(const Rect& rect) {
  return QRect(rect.left, rect.top, rect.width, rect.height);
}
inline Rect fromQRect(const QRect& rect) {
  return Rect{rect.left(), rect.top(), rect.width(), rect.height()};
}

} // namespace platform
