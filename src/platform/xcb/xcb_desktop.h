// The desktop on X11, over xcb on the connection Qt already holds.
//
// The window in front is the root window's _NET_ACTIVE_WINDOW; a window's
// title is _NET_WM_NAME, else WM_NAME; its class the class part of WM_CLASS;
// its role WM_WINDOW_ROLE; its process the client's process id from the X
// resource extension, else _NET_WM_PID. Switching to a window and keeping a
// window above others are requests to the window manager (EWMH client
// messages); keys and clicks are XTEST input; the clipboard is Qt's, and
// who holds it is the owner of the CLIPBOARD selection.
//
// Answers are cached and kept fresh by the events the server sends: the
// program watches the root window and every window it asked about for
// property changes and destruction, through a native event filter on Qt's
// event stream, so a timer asking every tick makes no round trip while
// nothing changes. No reply is waited for longer than 500 ms; a call that runs
// out of time, a dead window and a broken connection answer "no window".
#pragma once

#include <memory>

#include "platform/desktop.h"

struct xcb_connection_t;

namespace platform {

class XcbDesktop : public Desktop {
public:
  // On this connection; without one (no X11 display) the desktop is not available.
  explicit XcbDesktop(xcb_connection_t* connection);
  ~XcbDesktop() override;
  XcbDesktop(const XcbDesktop&) = delete;
  XcbDesktop& operator=(const XcbDesktop&) = delete;

  Rect workArea() const override;
  bool available() const override;

protected:
  WindowId queryForeground() override;
  std::string queryTitle(WindowId window) override;
  std::string queryClassName(WindowId window) override;
  std::string queryRole(WindowId window) override;
  int queryProcessId(WindowId window) override;
  std::string queryExecutable(int processId) override;
  int ownProcessId() override;
  std::optional<WindowGeometry> queryGeometry(WindowId window) override;
  std::optional<WindowState> queryState(WindowId window) override;
  bool requestActivation(WindowId window) override;
  bool requestKeepAbove(WindowId window) override;
  void injectKey(Key key, bool down) override;
  std::optional<std::pair<int, int>> pointerPosition() override;
  void injectPointerMove(int x, int y) override;
  void injectLeftButton(bool down) override;
  std::string queryClipboardText() override;
  std::optional<std::string> queryClipboardHtml() override;
  // Every format Qt offers for the clipboard, each read as bytes, and set again
  // the same way: the program then serves them until another program copies.
  ClipboardContents queryClipboardContents() override;
  void setClipboardContents(const ClipboardContents& contents, bool keepOwnership) override;
  bool clipboardHeldByOthers() override;
  // The keys held under the Shift, Control, Mod1 and Mod4 modifiers.
  std::vector<Key> heldModifiers() override;
  void releaseModifier(Key key) override;
  void idle(int milliseconds) override;

private:
  struct Connection;
  std::unique_ptr<Connection> x_;
};

// The program's desktop: X11 on Qt's connection when Qt runs on X11 (XWayland
// included), else a desktop that is not available. Needs the Qt application.
std::unique_ptr<Desktop> makeDesktop();

} // namespace platform
