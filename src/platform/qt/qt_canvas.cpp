#include "platform/qt/qt_canvas.h"

#include <QImage>

#include "platform/qt/qt_text.h"

namespace platform {

QtCanvas::QtCanvas(QImage& image, PictureCache* pictures)
    : painter_(std::make_unique<QPainter>(&image)), pictures_(pictures), measure_(&image) {}

QtCanvas::~QtCanvas() = default;

void QtCanvas::fillRect(const Rect& rect, Color color) {
  if (rect.width <= 0 || rect.height <= 0) return;
  painter_->fillRect(toQRect(rect), toQColor(color));
}

void QtCanvas::drawText(int x, int y, std::string_view text, const FontSpec& font, Color color) {
  if (text.empty()) return;
  painter_->save();
  painter_->setFont(toQFont(font));
  painter_->setPen(toQColor(color));
  painter_->setBackgroundMode(Qt::TransparentMode);
  painter_->setRenderHint(QPainter::TextAntialiasing, font.antialias);
  painter_->drawText(QPoint(x, y + measure_.ascent(font)), toQString(text));
  painter_->restore();
}

void QtCanvas::drawLine(int x1, int y1, int x2, int y2, Color color, int penWidth) {
  painter_->save();
  QPen pen(toQColor(color));
  pen.setWidth(std::max(penWidth, 1));
  painter_->setPen(pen);
  painter_->setRenderHint(QPainter::Antialiasing, false);
  painter_->drawLine(x1, y1, x2, y2);
  painter_->restore();
}

void QtCanvas::drawImage(int x, int y, const std::string& name) {
  if (pictures_) {
    painter_->drawImage(QPoint(x, y), pictures_->picture(name));
  } else {
    painter_->drawImage(QPoint(x, y), loadPictureResource(name));
  }
}

} // namespace platform
