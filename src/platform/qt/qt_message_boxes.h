// Message boxes of the running program: a modal QMessageBox captioned
// "Lumetra" with an OK button and the icon of the kind of message.
#pragma once

#include <string_view>

#include "platform/message_boxes.h"

class QWidget;

namespace platform {

class QtMessageBoxes : public MessageBoxes {
public:
  // Boxes are centred on `parent` when one is given; it must outlive this object.
  explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
  void show(MessageKind kind, std::string_view text) override;

private:
  QWidget* parent_;
};

} // namespace platform
