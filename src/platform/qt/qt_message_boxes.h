// Message boxes of the running program: a modal QMessageBox captioned
// "Lumetra" with an OK button and the icon of the kind of message.
#pragma once

#include <QMessageBox>

#include "platform/message_boxes.h"

class QWidget;

namespace platform {

// The box a message is shown in, ready to be run; exposed for tests.
std::unique_ptr<QMessageBox> makeMessageBox(MessageKind kind, std::string_view text,
                                            QWidget* parent = nullptr);

class QtMessageBoxes : public MessageBoxes {
public:
  // Boxes are centred on `parent` when one is given; it must outlive this object.
  explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
  void show(MessageKind kind, std::string_view text) override;

private:
  QWidget* parent_;
};

} // namespace platform
