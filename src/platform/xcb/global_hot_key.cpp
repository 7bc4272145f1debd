#include "platform/xcb/global_hot_key.h"

#include <cstdlib>
#include <vector>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

namespace platform {

namespace {

constexpr std::uint32_t NumLockKeysym = 0xff7f;

} // namespace

struct GlobalHotKey::X {
  xcb_connection_t* connection = nullptr;
  xcb_window_t root = 0;
  xcb_key_symbols_t* symbols = nullptr;
  std::vector<xcb_keycode_t> keycodes;
  std::uint16_t numLock = 0;
};

GlobalHotKey::GlobalHotKey(std::uint32_t keysym, std::uint16_t modifiers,
                           std::function<void()> pressed)
    : keysym_(keysym), modifiers_(modifiers), pressed_(std::move(pressed)) {
  auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
  auto* x11 = app ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (x11 == nullptr || x11->connection() == nullptr) return;
  x_ = new X;
  x_->connection = x11->connection();
  const xcb_setup_t* setup = xcb_get_setup(x_->connection);
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(setup);
  x_->root = screens.data->root;
  app->installNativeEventFilter(this);
  grab();
}

GlobalHotKey::~GlobalHotKey() {
  if (x_ == nullptr) return;
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
  ungrab();
  delete x_;
}

void GlobalHotKey::grab() {
  ungrab();
  x_->symbols = xcb_key_symbols_alloc(x_->connection);
  if (x_->symbols == nullptr) return;
  // The modifier that NumLock's key sets.
  x_->numLock = 0;
  if (xcb_keycode_t* numLockCodes = xcb_key_symbols_get_keycode(x_->symbols, NumLockKeysym)) {
    auto cookie = xcb_get_modifier_mapping(x_->connection);
    if (auto* reply = xcb_get_modifier_mapping_reply(x_->connection, cookie, nullptr)) {
      const xcb_keycode_t* map = xcb_get_modifier_mapping_keycodes(reply);
      const int perModifier = reply->keycodes_per_modifier;
      for (int modifier = 0; modifier < 8 && x_->numLock == 0; ++modifier)
        for (int i = 0; i < perModifier; ++i)
          for (const xcb_keycode_t* c = numLockCodes; *c != XCB_NO_SYMBOL; ++c)
            if (map[modifier * perModifier + i] == *c)
              x_->numLock = static_cast<std::uint16_t>(1u << modifier);
      std::free(reply);
    }
    std::free(numLockCodes);
  }
  x_->keycodes.clear();
  if (xcb_keycode_t* codes = xcb_key_symbols_get_keycode(x_->symbols, keysym_)) {
    for (const xcb_keycode_t* c = codes; *c != XCB_NO_SYMBOL; ++c)
      x_->keycodes.push_back(*c);
    std::free(codes);
  }
  const std::uint16_t extras[] = {0, XCB_MOD_MASK_LOCK, x_->numLock,
                                  static_cast<std::uint16_t>(XCB_MOD_MASK_LOCK | x_->numLock)};
  std::vector<xcb_void_cookie_t> cookies;
  for (xcb_keycode_t code : x_->keycodes)
    for (std::uint16_t extra : extras)
      cookies.push_back(xcb_grab_key_checked(x_->connection, 1, x_->root, modifiers_ | extra, code,
                                             XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
  grabbed_ = !cookies.empty();
  for (xcb_void_cookie_t cookie : cookies) {
    if (xcb_generic_error_t* error = xcb_request_check(x_->connection, cookie)) {
      grabbed_ = false; // held by another program: the key does nothing here
      std::free(error);
    }
  }
}

void GlobalHotKey::ungrab() {
  if (x_->symbols == nullptr) return;
  const std::uint16_t extras[] = {0, XCB_MOD_MASK_LOCK, x_->numLock,
                                  static_cast<std::uint16_t>(XCB_MOD_MASK_LOCK | x_->numLock)};
  for (xcb_keycode_t code : x_->keycodes)
    for (std::uint16_t extra : extras)
      xcb_ungrab_key(x_->connection, code, x_->root, modifiers_ | extra);
  xcb_flush(x_->connection);
  xcb_key_symbols_free(x_->symbols);
  x_->symbols = nullptr;
  grabbed_ = false;
}

bool GlobalHotKey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (x_ == nullptr || eventType != "xcb_generic_event_t") return false;
  auto* event = static_cast<xcb_generic_event_t*>(message);
  const std::uint8_t type = event->response_type & 0x7f;
  if (type == XCB_MAPPING_NOTIFY) {
    auto* mapping = reinterpret_cast<xcb_mapping_notify_event_t*>(event);
    if (mapping->request != XCB_MAPPING_POINTER) {
      if (x_->symbols) xcb_refresh_keyboard_mapping(x_->symbols, mapping);
      grab();
    }
    return false;
  }
  if (type != XCB_KEY_PRESS) return false;
  auto* key = reinterpret_cast<xcb_key_press_event_t*>(event);
  if (key->event != x_->root) return false;
  const std::uint16_t ignored = static_cast<std::uint16_t>(XCB_MOD_MASK_LOCK | x_->numLock);
  const std::uint16_t state = key->state & static_cast<std::uint16_t>(~ignored) & 0xff;
  for (xcb_keycode_t code : x_->keycodes) {
    if (code == key->detail && state == modifiers_) {
      if (pressed_) pressed_();
      return true;
    }
  }
  return false;
}

} // namespace platform
