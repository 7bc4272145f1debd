// Everything the program asks of the desktop it runs on: the work area inside
// which its windows are placed; the window in front and what it is (title,
// class, role, the program that owns it, where it is, whether it is shown or
// minimised); switching to a window and keeping the program's own windows on
// top; synthetic keys and a mouse click for the focused window; the clipboard.
//
// Contract of every query: it never throws, it answers within a bounded time
// (an implementation gives up on the desktop after 500 ms), and a window that
// is gone, has no properties, or cannot be asked answers like "no window"
// (empty texts, an empty rectangle, not shown). Texts come back in code page
// 1252. The public operations below apply the rules every desktop shares; an
// implementation only answers the raw questions under "Implementation".
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/key_sequences.h"

namespace platform {

// A top-level window of any program. 0 is no window; -1 means the question
// about the window in front could not be answered.
using WindowId = std::int64_t;
inline constexpr WindowId NoWindow = 0;
inline constexpr WindowId FailedWindow = -1;

// What the desktop says about a window's place on screen, in root (screen)
// coordinates: the outer rectangle with the window manager's frame, and the
// client area inside it.
struct WindowGeometry {
  Rect outer;
  Rect client;
};

// Whether a window is mapped, hidden by the window manager (for instance on
// another desktop or minimised), and minimised.
struct WindowState {
  bool mapped = false;
  bool hidden = false;
  bool minimised = false;
};

class Desktop {
public:
  virtual ~Desktop() = default;

  // The primary screen's work area in desktop pixels; empty when there is no screen.
  virtual Rect workArea() const = 0;
  // Whether windows can be inspected and driven at all. False without an X11
  // display (Wayland without XWayland, the offscreen platform): then there is
  // never a window in front and nothing can be captured.
  virtual bool available() const = 0;

  // The window in front: NoWindow when there is none, FailedWindow when the
  // question fails. A window given to ignoreAsForeground never counts as the
  // window in front: while it is active, the window in front before it is
  // the answer.
  WindowId foregroundWindow();
  void ignoreAsForeground(WindowId window);

  // The window's title, right-trimmed (characters 0 to 32 removed at the
  // end); empty for a window that is 0 or negative.
  std::string windowTitle(WindowId window);
  // The class part of the window's class, lower-cased, at most 255 characters.
  std::string windowClassName(WindowId window);
  // The window's role (a name the application gives its kinds of windows,
  // such as a message window), lower-cased.
  std::string windowRole(WindowId window);
  // The lower-case file name (no folder) of the executable of the process
  // that owns the window: "null" for FailedWindow, empty when unknown.
  std::string processNameOfWindow(WindowId window);
  // The process that owns the window; 0 when unknown.
  int processIdOfWindow(WindowId window);
  // Whether the window belongs to this program (by process id, not by name).
  bool isOwnWindow(WindowId window);

  // The outer and client rectangles in root coordinates; empty when unknown.
  Rect windowRect(WindowId window);
  Rect clientRect(WindowId window);
  // Shown: mapped and not hidden by the window manager.
  bool isWindowVisible(WindowId window);
  bool isMinimised(WindowId window);

  // Asks the window manager to bring the window to the front and give it the
  // focus (restoring it when minimised). False when the request could not be sent.
  bool switchToWindow(WindowId window);
  // Keeps one of the program's own windows above all others without giving
  // it the focus. Refused (false) for windows of other programs.
  bool keepOnTop(WindowId window);

  // Sends a key sequence to the focused window; the sequence's pauses sleep.
  void sendKeys(KeySequence sequence);
  // A left click at (x, y) in root coordinates; the pointer goes back where it was.
  void clickAt(int x, int y);

  // The clipboard's text in code page 1252 with CR line ends; empty when it has none.
  std::string clipboardText();
  // The clipboard's HTML (UTF-8, as offered), when it offers text/html.
  std::optional<std::string> clipboardHtml();

  // Sleeps inside key sequences go through this function, so that tests need
  // not wait. By default it sleeps.
  void setSleep(std::function<void(int milliseconds)> sleep) { sleep_ = std::move(sleep); }

protected:
  // Implementation. Every function may fail by returning its empty answer;
  // an exception is caught by the public operation and taken as failure.
  // Text is UTF-8. Windows passed in are always above 0.
  virtual WindowId queryForeground() = 0; // FailedWindow when the question fails
  virtual std::string queryTitle(WindowId window) = 0;
  virtual std::string queryClassName(WindowId window) = 0;
  virtual std::string queryRole(WindowId window) = 0;
  virtual int queryProcessId(WindowId window) = 0;
  // The file name of the executable of a process, as the system gives it.
  virtual std::string queryExecutable(int processId) = 0;
  virtual int ownProcessId() = 0;
  virtual std::optional<WindowGeometry> queryGeometry(WindowId window) = 0;
  virtual std::optional<WindowState> queryState(WindowId window) = 0;
  virtual bool requestActivation(WindowId window) = 0;
  virtual bool requestKeepAbove(WindowId window) = 0;
  virtual void injectKey(Key key, bool down) = 0;
  virtual std::optional<std::pair<int, int>> pointerPosition() = 0;
  virtual void injectPointerMove(int x, int y) = 0;
  virtual void injectLeftButton(bool down) = 0;
  virtual std::string queryClipboardText() = 0;
  virtual std::optional<std::string> queryClipboardHtml() = 0;

private:
  std::set<WindowId> ignoredForeground_;
  WindowId lastForeground_ = NoWindow;
  std::function<void(int)> sleep_;
};

// A desktop whose windows cannot be seen: the work area is all it knows.
class DesktopWithoutWindows : public Desktop {
public:
  bool available() const override { return false; }

protected:
  WindowId queryForeground() override { return FailedWindow; }
  std::string queryTitle(WindowId) override { return {}; }
  std::string queryClassName(WindowId) override { return {}; }
  std::string queryRole(WindowId) override { return {}; }
  int queryProcessId(WindowId) override { return 0; }
  std::string queryExecutable(int) override { return {}; }
  int ownProcessId() override;
  std::optional<WindowGeometry> queryGeometry(WindowId) override { return std::nullopt; }
  std::optional<WindowState> queryState(WindowId) override { return std::nullopt; }
  bool requestActivation(WindowId) override { return false; }
  bool requestKeepAbove(WindowId) override { return false; }
  void injectKey(Key, bool) override {}
  std::optional<std::pair<int, int>> pointerPosition() override { return std::nullopt; }
  void injectPointerMove(int, int) override {}
  void injectLeftButton(bool) override {}
  std::string queryClipboardText() override { return {}; }
  std::optional<std::string> queryClipboardHtml() override { return std::nullopt; }
};

} // namespace platform
