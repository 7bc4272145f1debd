#include "platform/xcb/desktop_session.h"

#include <cstdlib>

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QGuiApplication>

#include "platform/xcb/xcb_desktop.h"

namespace platform {

namespace {

// Qt aborts the program when its X11 platform finds no display, so the
// display is tried first.
std::string x11Problem() {
  const char* display = std::getenv("DISPLAY");
  if (!display || !*display) return "no X11 display (DISPLAY is not set)";
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  const bool broken = xcb_connection_has_error(connection) != 0;
  xcb_disconnect(connection);
  if (broken) return "cannot open the X11 display " + std::string(display);
  return {};
}

} // namespace

struct DesktopSession::Parts {
  std::unique_ptr<QGuiApplication> application;
  std::unique_ptr<Desktop> desktop;
};

DesktopSession::DesktopSession() : parts_(std::make_unique<Parts>()) {}

DesktopSession::~DesktopSession() {
  parts_->desktop.reset();
  parts_->application.reset();
}

Desktop& DesktopSession::desktop() {
  return *parts_->desktop;
}

std::unique_ptr<DesktopSession> DesktopSession::open(std::string& problem) {
  std::unique_ptr<DesktopSession> session(new DesktopSession);
  if (!QCoreApplication::instance()) {
    problem = x11Problem();
    if (!problem.empty()) return nullptr;
    // The X11 platform whatever QT_QPA_PLATFORM says: only there are other
    // programs' windows seen.
    static int argc = 3;
    static char name[] = "lumetra", option[] = "-platform", platform[] = "xcb";
    static char* argv[] = {name, option, platform, nullptr};
    session->parts_->application = std::make_unique<QGuiApplication>(argc, argv);
  }
  session->parts_->desktop = makeDesktop();
  if (!session->parts_->desktop->available()) {
    problem = "no X11 display (the program does not run on X11)";
    return nullptr;
  }
  return session;
}

} // namespace platform
