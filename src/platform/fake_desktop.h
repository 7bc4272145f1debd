// A scripted desktop for tests: windows with the properties a test gives
// them, a window in front, the clipboard's contents, and a record of what the
// program asked of it (switches, keys, pointer moves and clicks, pauses). A
// window can be made to answer a copy (Ctrl+C while it is in front) by
// putting text on the clipboard, at once or after some waiting; the user can
// be made to hold modifier keys.
// Texts are given as the desktop would hold them (UTF-8).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop.h"

namespace platform {

struct FakeWindow {
  std::string title;
  std::string className; // the class part of the window's class, as the program set it
  std::string role;
  int processId = 0;
  std::string executable; // what the system gives as the file name of the process' executable
  WindowGeometry geometry;
  WindowState state{true, false, false};
  bool broken = false;       // every question about the window throws
  bool refusesFocus = false; // a switch to the window leaves the window in front as it was
};

// One thing the program did to the desktop, in order.
struct DesktopInput {
  enum Kind { KeyDown, KeyUp, Pause, PointerMove, ButtonDown, ButtonUp } kind;
  Key key = Key::Control;
  int x = 0, y = 0;     // PointerMove
  int milliseconds = 0; // Pause
  bool operator==(const DesktopInput&) const = default;
};

class FakeDesktop : public Desktop {
public:
  explicit FakeDesktop(Rect area = {0, 0, 1024, 768});

  Rect workArea() const override { return area_; }
  void setWorkArea(Rect area) { area_ = area; }
  bool available() const override { return true; }

  // Adds a window and gives its id. A window of this program's process id
  // (ownProcess) counts as the program's own.
  WindowId addWindow(FakeWindow window);
  FakeWindow& window(WindowId id) { return windows_.at(id); }
  // The window is destroyed: it no longer answers.
  void removeWindow(WindowId id);
  // The window in front; FailedWindow makes the question fail.
  void setForeground(WindowId id) { foreground_ = id; }
  // What another program put on the clipboard: the text, and HTML when given.
  void setClipboard(std::string text, std::optional<std::string> html = std::nullopt);
  void setClipboardFormats(ClipboardContents contents);
  const ClipboardContents& clipboard() const { return clipboard_; }
  // True while another program holds the clipboard.
  bool clipboardHeldByOther() const { return heldByOthers_; }
  // A copy in `window` puts `text` (and `html`) on the clipboard once the
  // program has waited `delayMs` for it.
  void answerCopies(WindowId window, std::string text,
                    std::optional<std::string> html = std::nullopt, int delayMs = 0);
  void setHeldModifiers(std::vector<Key> keys) { held_ = std::move(keys); }
  // How long the program waited on the desktop, in all.
  int waitedMs() const { return waitedMs_; }
  void setPointer(int x, int y) { pointer_ = {x, y}; }

  static constexpr int ownProcess = 4242;

  const std::vector<DesktopInput>& input() const { return input_; }
  const std::vector<WindowId>& switches() const { return switches_; }
  const std::vector<WindowId>& keptOnTop() const { return keptOnTop_; }

protected:
  WindowId queryForeground() override { return foreground_; }
  std::string queryTitle(WindowId id) override { return find(id).title; }
  std::string queryClassName(WindowId id) override { return find(id).className; }
  std::string queryRole(WindowId id) override { return find(id).role; }
  int queryProcessId(WindowId id) override { return find(id).processId; }
  std::string queryExecutable(int processId) override;
  int ownProcessId() override { return ownProcess; }
  std::optional<WindowGeometry> queryGeometry(WindowId id) override;
  std::optional<WindowState> queryState(WindowId id) override;
  bool requestActivation(WindowId id) override;
  bool requestKeepAbove(WindowId id) override;
  void injectKey(Key key, bool down) override;
  std::optional<std::pair<int, int>> pointerPosition() override { return pointer_; }
  void injectPointerMove(int x, int y) override;
  void injectLeftButton(bool down) override;
  std::string queryClipboardText() override;
  std::optional<std::string> queryClipboardHtml() override;
  ClipboardContents queryClipboardContents() override { return clipboard_; }
  void setClipboardContents(const ClipboardContents& contents, bool keepOwnership) override;
  bool clipboardHeldByOthers() override { return heldByOthers_; }
  std::vector<Key> heldModifiers() override { return held_; }
  void idle(int milliseconds) override;

private:
  // The window, or an empty one for a window that does not exist. Throws for a broken one.
  const FakeWindow& find(WindowId id) const;

  Rect area_;
  std::map<WindowId, FakeWindow> windows_;
  WindowId nextId_ = 0x1200001;
  WindowId foreground_ = NoWindow;
  struct CopyAnswer {
    std::string text;
    std::optional<std::string> html;
    int delayMs = 0;
  };
  void deliverCopy(const CopyAnswer& answer);

  ClipboardContents clipboard_;
  bool heldByOthers_ = false;
  std::map<WindowId, CopyAnswer> copyAnswers_;
  std::optional<CopyAnswer> pendingCopy_;
  int pendingSinceMs_ = 0;
  int waitedMs_ = 0;
  bool controlDown_ = false;
  std::vector<Key> held_;
  std::pair<int, int> pointer_{0, 0};
  std::vector<DesktopInput> input_;
  std::vector<WindowId> switches_;
  std::vector<WindowId> keptOnTop_;
};

} // namespace platform
