// TfrmQuickLaunch, the handlers of the QuickLaunch window: the focus timer
// (tmFocus, once a second: which compatible window is in front, whether the
// button is offered, the marker file), the placement timer (tmMoveQL: keeps
// the button at the top right of that window), the tray events and menu
// states, the balloon, and the captures started by the button, the tray and
// the hot key. It works on the acquisition state and its own QuickLaunch
// state, reaches the screen through QuickLaunchView and the desktop layer,
// and the rest of the program through QuickLaunchHooks.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "acquisition/acquisition_state.h"
#include "platform/desktop.h"
#include "platform/timer.h"

namespace shell {

using acquisition::WindowHandle;

enum class TargetStates { Target = 0, NoTarget = 2 };
inline constexpr WindowHandle NoTargetWindow = -1;
inline constexpr WindowHandle ResetTargetWindow = -200;

struct QuickLaunchState {
  TargetStates TargetState = TargetStates::NoTarget;
  WindowHandle TargetWindow = platform::NoWindow;
};

inline constexpr const char* HintReadFile = "Left click to read file";
inline constexpr const char* HintOptions = "Right click for options";
inline constexpr const char* BalloonTitle = "Lumetra is installed and ready.";
inline constexpr const char* BalloonText =
    "The Lumetra button will appear on the top right of compatible applications, like MS Word "
    "and Outlook.";
inline constexpr int BalloonTimeoutMs = 3000;
// Where the button sits on the target window: this far left of its right
// edge and this far below its top edge.
inline constexpr int ButtonRightOffset = 190;
inline constexpr int ButtonTopOffset = 5;
inline constexpr int ButtonWidth = 226;
inline constexpr int ButtonHeight = 112;

// What the QuickLaunch window shows; the Qt window implements it.
class QuickLaunchView {
public:
  virtual ~QuickLaunchView() = default;
  // The QuickLaunch window's own id on the desktop (0 before it is mapped).
  virtual platform::WindowId windowId() const = 0;
  virtual void showButton() = 0;
  virtual void hideButton() = 0;
  virtual bool buttonVisible() const = 0;
  virtual void moveButton(int left, int top) = 0;
  virtual void setHint(const std::string& hint) = 0;
  virtual std::string hint() const = 0;
  virtual void setHandCursor() = 0;
  virtual void setBusyCursor(bool busy) = 0;
  virtual void showBalloon(const std::string& title, const std::string& text, int timeoutMs) = 0;
  virtual void setRecentFilesEnabled(bool enabled) = 0;
  // Brings the QuickLaunch window forward (its tray-less equivalent of activation).
  virtual void activate() = 0;
};

// A request to capture the document of an application's window. `how` says
// what asked: "button", "tray", "hotkey" or "socket".
using CaptureRequest = std::function<void(platform::WindowId window, const std::string& how)>;

struct QuickLaunchHooks {
  CaptureRequest captureFromApplication;
  // Whether the reader window is shown, and whether a window is the reader's.
  std::function<bool()> readerVisible = [] { return false; };
  std::function<bool(platform::WindowId)> isReaderWindow = [](platform::WindowId) { return false; };
  std::function<bool()> recentFilesHaveEntry = [] { return false; };
  // The marker file a second start leaves: there, and taken away.
  std::function<bool()> markerExists = [] { return false; };
  std::function<void()> removeMarker = [] {};
  // The button appeared, moved or went away (the rectangle it has on screen).
  std::function<void(bool shown, platform::Rect rect)> buttonChanged = [](bool, platform::Rect) {};
  std::function<void()> balloonShown = [] {};
  std::function<void()> openHelp = [] {};
};

// Which items the menu shows, for the tray or for a right click on the button.
struct MenuState {
  bool launchVisible = false;
  bool launchEnabled = false;
  bool exitVisible = false;
  bool hideQuickLaunch = true; // "Hide Quick Launch", else "Show Quick Launch"
};

enum class TrayEvent { DoubleClick, RightButtonDown, BalloonClicked, Other };

class TfrmQuickLaunch {
public:
  // `placementIntervalMs` is tmMoveQL's interval.
  TfrmQuickLaunch(platform::Desktop& desktop, platform::TimerFactory& timers,
                  acquisition::AcquisitionState& acquisition, QuickLaunchState& state,
                  QuickLaunchView& view, QuickLaunchHooks hooks, int placementIntervalMs = 1);
  ~TfrmQuickLaunch();

  // Both timers, stopped around a capture, a file opening and the welcome wizard.
  void startTimers();
  void stopTimers();
  bool timersRunning() const;

  void tmFocusTimer();
  void tmMoveQLTimer();
  void showBalloon();

  // The tray: returns the menu to open for a right button down, else nothing to open.
  bool trayEvent(TrayEvent event);
  MenuState menuState(bool fromTray) const;
  // "Launch Lumetra" and the tray double click.
  void launch();
  // A left click on the button; Ctrl+Space (and `lumetra --capture`).
  void btnClick();
  void hotKey(const std::string& how = "hotkey");
  // "Hide Quick Launch" / "Show Quick Launch".
  void hideQuickLaunch();
  void showQuickLaunch();

  platform::Timer& tmFocus() { return *tmFocus_; }
  platform::Timer& tmMoveQL() { return *tmMoveQL_; }

private:
  enum class CaptureBy { Click, HotKey };
  void capture(CaptureBy by, const std::string& how);
  void hide();
  void reportButton();
  bool isQuickLaunchWindow(platform::WindowId window) const;
  bool supported(platform::WindowId window);

  platform::Desktop& desktop_;
  acquisition::AcquisitionState& acq_;
  QuickLaunchState& state_;
  QuickLaunchView& view_;
  QuickLaunchHooks hooks_;
  std::unique_ptr<platform::Timer> tmFocus_;
  std::unique_ptr<platform::Timer> tmMoveQL_;
  bool userHidden_ = false;
  bool firstTick_ = true;
  // The button as last reported.
  bool reportedShown_ = false;
  platform::Rect reportedRect_;
  platform::Rect placed_;
};

} // namespace shell
