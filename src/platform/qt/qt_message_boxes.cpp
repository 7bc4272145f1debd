#include "platform/qt/qt_message_boxes.h"

#include <QMessageBox>
#include <memory>

#include "platform/qt/qt_text.h"

namespace platform {

namespace {

QMessageBox::Icon iconFor(MessageKind kind) {
  switch (kind) {
  case MessageKind::Error:
    return QMessageBox::Critical;
  case MessageKind::Information:
    return QMessageBox::Information;
  case MessageKind::Plain:
    break;
  }
  return QMessageBox::NoIcon;
}

std::unique_ptr<QMessageBox> makeMessageBox(MessageKind kind, std::string_view text,
                                            QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(iconFor(kind), QStringLiteral("Lumetra"),
                                           toQString(text), QMessageBox::Ok, parent);
  box->setTextFormat(Qt::PlainText);
  box->setDefaultButton(QMessageBox::Ok);
  return box;
}

} // namespace

void QtMessageBoxes::show(MessageKind kind, std::string_view text) {
  makeMessageBox(kind, text, parent_)->exec();
}

} // namespace platform
