#include "platform/qt/qt_text.h"

#include "platform/cp1252.h"

namespace platform {

QString toQString(std::string_view cp1252) {
  const std::u16string utf16 = cp1252ToUtf16(cp1252);
  return QString(reinterpret_cast<const QChar*>(utf16.data()),
                 static_cast<qsizetype>(utf16.size()));
}

std::string fromQString(const QString& text) {
  return utf16ToCp1252(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                           static_cast<std::size_t>(text.size())));
}

int pixelSizeForPoints(int pointSize) {
  // Rounded to the nearest pixel, as the classic font height computation does.
  return pointSize <= 0 ? 1 : (pointSize * 96 + 36) / 72;
}

QFont toQFont(const FontSpec& font) {
  QFont result(QString::fromStdString(font.family));
  result.setPixelSize(pixelSizeForPoints(font.pointSize));
  result.setBold(font.bold);
  result.setUnderline(font.underline);
  result.setStyleStrategy(font.antialias ? QFont::PreferAntialias : QFont::NoAntialias);
  return result;
}

} // namespace platform
