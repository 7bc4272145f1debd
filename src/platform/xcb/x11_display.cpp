#include "platform/xcb/x11_display.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <string_view>

namespace platform {

namespace {

std::string_view environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

} // namespace

std::string displayProblem() {
  const std::string_view qpa = environment("QT_QPA_PLATFORM");
  if (!qpa.empty() && !qpa.starts_with("xcb")) return {};
  const std::string_view display = environment("DISPLAY");
  // A Wayland session without X11: Qt takes its own way there.
  if (qpa.empty() && display.empty() && !environment("WAYLAND_DISPLAY").empty()) return {};
  if (display.empty()) return "cannot open display (DISPLAY is not set)";
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  const bool broken = xcb_connection_has_error(connection) != 0;
  xcb_disconnect(connection);
  if (broken) return "cannot open display " + std::string(display);
  return {};
}

} // namespace platform
