// Modal message boxes with an OK button, the way the program tells the user of
// errors and results. Text is code page 1252; implementations convert at the
// edge. The Qt implementation captions every box "Lumetra"; the recording one
// keeps what was shown, for tests.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class MessageKind { Error, Information, Plain };

class MessageBoxes {
public:
  virtual ~MessageBoxes() = default;
  // Shows the box and returns when the user has closed it.
  virtual void show(MessageKind kind, std::string_view text) = 0;

  void error(std::string_view text) { show(MessageKind::Error, text); }
  void information(std::string_view text) { show(MessageKind::Information, text); }
  void plain(std::string_view text) { show(MessageKind::Plain, text); }
};

struct ShownMessage {
  MessageKind kind = MessageKind::Plain;
  std::string text;
  bool operator==(const ShownMessage&) const = default;
};

class RecordingMessageBoxes : public MessageBoxes {
public:
  void show(MessageKind kind, std::string_view text) override {
    shown.push_back({kind, std::string(text)});
  }

  std::vector<ShownMessage> shown;
};

} // namespace platform
