#include "platform/qt/qt_desktop.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/qt/qt_text.h"

namespace platform {

Rect QtDesktop::workArea() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return Rect{};
  return fromQRect(screen->availableGeometry());
}

} // namespace platform
