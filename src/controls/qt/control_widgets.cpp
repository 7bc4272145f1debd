#include "controls/qt/control_widgets.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "platform/qt/pictures.h"
#include "platform/qt/qt_canvas.h"

namespace controls {

namespace {

Qt::CursorShape toQtCursor(TCursor cursor) {
  switch (cursor) {
  case TCursor::crHandPoint:
    return Qt::PointingHandCursor;
  case TCursor::crSizeWE:
    return Qt::SizeHorCursor;
  case TCursor::crSizeNS:
    return Qt::SizeVerCursor;
  case TCursor::crHourGlass:
    return Qt::WaitCursor;
  case TCursor::crDefault:
  case TCursor::crArrow:
    break;
  }
  return Qt::ArrowCursor;
}

TMouseButton toButton(Qt::MouseButton button) {
  if (button == Qt::RightButton) return TMouseButton::mbRight;
  if (button == Qt::MiddleButton) return TMouseButton::mbMiddle;
  return TMouseButton::mbLeft;
}

} // namespace

ControlWidget::ControlWidget(Control& control, QWidget* parent)
    : QWidget(parent), control_(control) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  control_.setChangeListener([this] {
    syncFromControl();
    update();
  });
  syncFromControl();
}

ControlWidget::~ControlWidget() {
  control_.setChangeListener(nullptr);
}

void ControlWidget::syncFromControl() {
  const platform::Rect& r = control_.BoundsRect();
  setGeometry(r.left, r.top, r.width, r.height);
  setToolTip(QString::fromStdString(control_.Hint()));
  if (control_.Cursor() == TCursor::crDefault) {
    unsetCursor();
  } else {
    setCursor(toQtCursor(control_.Cursor()));
  }
  // A widget without a parent would be a window of its own: it is never
  // shown from here, only hidden.
  if (parentWidget() != nullptr || !control_.Visible()) setVisible(control_.Visible());
}

void ControlWidget::paintEvent(QPaintEvent*) {
  if (width() <= 0 || height() <= 0) return;
  if (offscreen_.size() != size()) offscreen_ = QImage(size(), QImage::Format_RGB32);
  {
    platform::QtCanvas canvas(offscreen_);
    control_.paint(canvas);
  }
  QPainter(this).drawImage(0, 0, offscreen_);
}

ProgressBarWidget::ProgressBarWidget(TALProgressBar& bar, QWidget* parent)
    : ControlWidget(bar, parent), bar_(bar) {}

ImageWidget::ImageWidget(TMyImage& image, QWidget* parent)
    : ControlWidget(image, parent), image_(image) {
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  setMouseTracking(true);
}

const QImage& ImageWidget::picture() {
  if (loadedName_ != image_.Picture()) {
    loadedName_ = image_.Picture();
    picture_ = QImage();
    try {
      if (!loadedName_.empty()) picture_ = platform::loadPictureResource(loadedName_);
    } catch (const platform::ResourceError&) {
      // A picture the program does not carry shows nothing.
    }
  }
  return picture_;
}

void ImageWidget::paintEvent(QPaintEvent*) {
  const QImage& shown = picture();
  if (shown.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (image_.Stretch()) {
    painter.drawImage(rect(), shown);
  } else {
    painter.drawImage(0, 0, shown);
  }
}

void ImageWidget::enterEvent(QEnterEvent*) {
  image_.mouseEnter();
}

void ImageWidget::leaveEvent(QEvent*) {
  image_.mouseLeave();
}

void ImageWidget::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  image_.mouseDown(toButton(event->button()), p.x(), p.y());
}

void ImageWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  image_.mouseMove(p.x(), p.y());
}

void ImageWidget::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  image_.mouseUp(toButton(event->button()), p.x(), p.y());
}

StatusBarWidget::StatusBarWidget(TMyStatusBar& bar, QWidget* parent)
    : ControlWidget(bar, parent), bar_(bar) {}

} // namespace controls
