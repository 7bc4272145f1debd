// A system-wide hot key on X11: a passive grab of the key on the root window
// of Qt's own connection, once for each combination of the CapsLock and
// NumLock modifiers (so that the key works whatever their state), seen
// through a native event filter. The NumLock modifier is looked up in the
// keyboard's modifier map, and everything is grabbed again when the keyboard
// mapping changes. A key another program holds already cannot be grabbed:
// then the key simply does nothing here. The grab goes when the object goes.
#pragma once

#include <QAbstractNativeEventFilter>

#include <cstdint>
#include <functional>

namespace platform {

class GlobalHotKey : public QAbstractNativeEventFilter {
public:
  // `keysym` and `modifiers` (an X11 modifier mask, such as 4 for Control);
  // `pressed` runs on each press. Does nothing without an X11 connection.
  GlobalHotKey(std::uint32_t keysym, std::uint16_t modifiers, std::function<void()> pressed);
  ~GlobalHotKey() override;
  GlobalHotKey(const GlobalHotKey&) = delete;
  GlobalHotKey& operator=(const GlobalHotKey&) = delete;

  // Whether every grab was granted.
  bool grabbed() const { return grabbed_; }

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
  void grab();
  void ungrab();

  struct X;
  X* x_ = nullptr;
  std::uint32_t keysym_;
  std::uint16_t modifiers_;
  std::function<void()> pressed_;
  bool grabbed_ = false;
};

} // namespace platform
