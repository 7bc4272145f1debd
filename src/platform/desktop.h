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
#include <string_view>
#include <utility>
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

// Everything the clipboard holds: each format it offers (a MIME type) with its
// bytes, in the order offered. Empty when nothing is on the clipboard.
struct ClipboardContents {
  std::vector<std::pair<std::string, std::string>> formats;
  bool empty() const { return formats.empty(); }
  bool operator==(const ClipboardContents&) const = default;
};

// The longest a capture waits for another program to answer a copy.
inline constexpr int CopyWaitMs = 2000;

// Whether a program (given by its executable's file name or its window's
// class, lower case) is a terminal emulator. Keys are never sent to one: its
// Ctrl+C would interrupt the program running in it.
bool isTerminalProgram(std::string_view name);

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

  // Whether the window belongs to a terminal emulator (by its process' executable or its class).
  bool isTerminalWindow(WindowId window);
  // Releases the modifier keys (Control, Shift, Alt, Super) the user still
  // holds, so that keys sent next are not read with them (the hot key's
  // Control, for instance).
  void releaseHeldModifiers();
  // Sleeps as a key sequence's pauses do.
  void pause(int milliseconds);
  // Waits until `done` holds, at most `limitMs`, handling the desktop's events
  // between looks. True when it held in time.
  bool waitUntil(const std::function<bool()>& done, int limitMs);

  // Every format the clipboard holds, for putting it back later.
  ClipboardContents saveClipboard();
  // Makes the clipboard hold `contents` again (the program offers them from
  // now on; nothing at all for empty contents).
  void restoreClipboard(const ClipboardContents& contents);
  // Puts an empty clipboard of the program's own in place, so that a copy by
  // another program shows as that program taking the clipboard over.
  void emptyClipboard();
  // After emptyClipboard: waits until another program has taken the
  // clipboard, at most `limitMs`. False when none did.
  bool waitForCopy(int limitMs = CopyWaitMs);

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
  virtual ClipboardContents queryClipboardContents() = 0;
  // The program offers `contents` on the clipboard. For empty contents it
  // holds an empty clipboard with `keepOwnership`, else lets the clipboard go.
  virtual void setClipboardContents(const ClipboardContents& contents, bool keepOwnership) = 0;
  // True when a program other than this one holds the clipboard.
  virtual bool clipboardHeldByOthers() = 0;
  // The modifier keys held down now, and their release (by default a key-up
  // of the key; a desktop with left and right keys releases both).
  virtual std::vector<Key> heldModifiers() = 0;
  virtual void releaseModifier(Key key) { injectKey(key, false); }
  // One step of a wait: handles pending desktop events, then sleeps.
  virtual void idle(int milliseconds);

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
  ClipboardContents queryClipboardContents() override { return {}; }
  void setClipboardContents(const ClipboardContents&, bool) override {}
  bool clipboardHeldByOthers() override { return false; }
  std::vector<Key> heldModifiers() override { return {}; }
};

} // namespace platform
