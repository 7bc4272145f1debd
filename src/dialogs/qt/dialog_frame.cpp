#include "dialogs/qt/dialog_frame.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

namespace dialogs {

void frameDialog(QDialog& dialog, int clientWidth, int clientHeight) {
  dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  dialog.setFixedSize(clientWidth, clientHeight);
  dialog.setSizeGripEnabled(false);
  centreOnDesktop(dialog);
}

void centreOnDesktop(QWidget& widget) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  widget.move(area.center() - QPoint(widget.width() / 2, widget.height() / 2));
}

} // namespace dialogs
