#include "shell/quick_launch.h"

#include <algorithm>

#include "acquisition/source_applications.h"

namespace shell {

namespace {

std::string trimmed(const std::string& text) {
  const auto first = std::find_if(text.begin(), text.end(),
                                  [](char c) { return static_cast<unsigned char>(c) > ' '; });
  const auto last = std::find_if(text.rbegin(), text.rend(), [](char c) {
                      return static_cast<unsigned char>(c) > ' ';
                    }).base();
  return first < last ? std::string(first, last) : std::string();
}

} // namespace

TfrmQuickLaunch::TfrmQuickLaunch(platform::Desktop& desktop, platform::TimerFactory& timers,
                                 acquisition::AcquisitionState& acquisition,
                                 QuickLaunchState& state, QuickLaunchView& view,
                                 QuickLaunchHooks hooks, int placementIntervalMs)
    : desktop_(desktop), acq_(acquisition), state_(state), view_(view), hooks_(std::move(hooks)),
      tmFocus_(timers.createTimer()), tmMoveQL_(timers.createTimer()) {
  if (!hooks_.captureFromApplication) hooks_.captureFromApplication = [](auto, const auto&) {};
  tmFocus_->setInterval(1000);
  tmFocus_->OnTimer = [this] { tmFocusTimer(); };
  tmMoveQL_->setInterval(placementIntervalMs);
  tmMoveQL_->OnTimer = [this] { tmMoveQLTimer(); };
}

TfrmQuickLaunch::~TfrmQuickLaunch() {
  stopTimers();
}

void TfrmQuickLaunch::startTimers() {
  tmFocus_->setEnabled(true);
  tmMoveQL_->setEnabled(true);
}

void TfrmQuickLaunch::stopTimers() {
  tmFocus_->setEnabled(false);
  tmMoveQL_->setEnabled(false);
}

bool TfrmQuickLaunch::timersRunning() const {
  return tmFocus_->Enabled() && tmMoveQL_->Enabled();
}

bool TfrmQuickLaunch::isQuickLaunchWindow(platform::WindowId window) const {
  return window > 0 && window == view_.windowId();
}

bool TfrmQuickLaunch::supported(platform::WindowId window) {
  return acquisition::isSupportedWindow(desktop_, desktop_.processNameOfWindow(window), window);
}

void TfrmQuickLaunch::hide() {
  view_.hideButton();
  reportButton();
}

void TfrmQuickLaunch::reportButton() {
  const bool shown = view_.buttonVisible();
  const platform::Rect rect = shown ? placed_ : platform::Rect{};
  if (shown == reportedShown_ && rect == reportedRect_) return;
  reportedShown_ = shown;
  reportedRect_ = rect;
  hooks_.buttonChanged(shown, rect);
}

void TfrmQuickLaunch::showBalloon() {
  const bool focusWasOn = tmFocus_->Enabled();
  tmFocus_->setEnabled(false);
  view_.showBalloon(BalloonTitle, BalloonText, BalloonTimeoutMs);
  hooks_.balloonShown();
  tmFocus_->setEnabled(focusWasOn);
}

void TfrmQuickLaunch::tmFocusTimer() {
  if (firstTick_) {
    firstTick_ = false;
    if (acq_.SourceWindow == platform::NoWindow) acq_.SourceWindow = acquisition::NoSourceWindow;
  }
  if (hooks_.recentFilesHaveEntry()) view_.setRecentFilesEnabled(true);
  if (!acq_.QuickLaunchSuspended && hooks_.markerExists()) {
    hooks_.removeMarker();
    showBalloon();
  }
  if (acq_.QuickLaunchSuspended) {
    const platform::WindowId front = desktop_.foregroundWindow();
    if (front > 0 && supported(front)) {
      state_.TargetState = TargetStates::Target;
      state_.TargetWindow = front;
    } else if (!desktop_.isOwnWindow(front)) {
      state_.TargetState = TargetStates::NoTarget;
      state_.TargetWindow = NoTargetWindow;
    }
    return;
  }
  view_.setHint(view_.hint() == HintOptions ? HintReadFile : HintOptions);
  if (hooks_.readerVisible()) {
    acq_.TrackedWindow = acquisition::NoTrackedWindow;
    return;
  }
  if (acq_.SourceWindow == acq_.TrackedWindow && acq_.ReaderShown) {
    acq_.TrackedWindow = acquisition::NoTrackedWindow;
    hide();
    return;
  }
  if (acq_.SourceWindow != acquisition::NoSourceWindow &&
      !desktop_.isWindowVisible(acq_.SourceWindow)) {
    acq_.SourceWindow = acquisition::NoSourceWindow;
    state_.TargetState = TargetStates::NoTarget;
    hide();
  }
  const platform::WindowId front = desktop_.foregroundWindow();
  acq_.TrackedWindow = front;
  if (!trimmed(desktop_.windowTitle(front)).empty()) {
    if (supported(front)) {
      view_.showButton();
      view_.setHandCursor();
      state_.TargetState = TargetStates::Target;
      state_.TargetWindow = front;
      const platform::Rect rect = desktop_.windowRect(front);
      if (rect.right() > 0 && rect.bottom() > 0 && !desktop_.isMinimised(front))
        desktop_.switchToWindow(front);
    } else {
      state_.TargetState = TargetStates::NoTarget;
    }
    if (state_.TargetState == TargetStates::NoTarget) hide();
    return;
  }
  if (!desktop_.isOwnWindow(front)) {
    state_.TargetState = TargetStates::NoTarget;
    hide();
    return;
  }
  if (!isQuickLaunchWindow(front)) {
    acq_.TrackedWindow = acquisition::NoTrackedWindow;
    return;
  }
  const platform::Rect target = desktop_.windowRect(state_.TargetWindow);
  const bool keep = (target.bottom() >= 0 || target.right() >= 0) &&
                    state_.TargetWindow != NoTargetWindow && state_.TargetWindow > 0 &&
                    desktop_.isWindowVisible(state_.TargetWindow);
  if (keep) return;
  state_.TargetWindow = ResetTargetWindow;
  state_.TargetState = TargetStates::NoTarget;
  acq_.TrackedWindow = acquisition::NoTrackedWindow;
  hide();
}

void TfrmQuickLaunch::tmMoveQLTimer() {
  if (acq_.QuickLaunchSuspended ||
      (acq_.ReaderShown && (acq_.SourceWindow == acq_.TrackedWindow ||
                            acq_.TrackedWindow == acquisition::NoTrackedWindow))) {
    hide();
    return;
  }
  if (acq_.TrackedWindow <= 0 || state_.TargetState != TargetStates::Target) {
    // Asking for the window in front is only worth it while the button shows.
    if (view_.buttonVisible() && !isQuickLaunchWindow(desktop_.foregroundWindow())) hide();
    return;
  }
  if (isQuickLaunchWindow(acq_.TrackedWindow)) return;
  const platform::Rect rect = desktop_.windowRect(acq_.TrackedWindow);
  const platform::Rect place{rect.right() - ButtonRightOffset, rect.top + ButtonTopOffset,
                             ButtonWidth, ButtonHeight};
  if (place != placed_ || !reportedShown_) {
    placed_ = place;
    view_.moveButton(place.left, place.top);
    if (view_.windowId() > 0) desktop_.keepOnTop(view_.windowId());
  }
  reportButton();
}

MenuState TfrmQuickLaunch::menuState(bool fromTray) const {
  MenuState menu;
  menu.launchVisible = fromTray;
  menu.exitVisible = fromTray;
  menu.launchEnabled = fromTray && state_.TargetState == TargetStates::Target;
  menu.hideQuickLaunch = !userHidden_;
  return menu;
}

bool TfrmQuickLaunch::trayEvent(TrayEvent event) {
  switch (event) {
  case TrayEvent::DoubleClick:
    launch();
    return false;
  case TrayEvent::RightButtonDown:
    view_.activate();
    return true;
  case TrayEvent::BalloonClicked:
    hooks_.openHelp();
    return false;
  case TrayEvent::Other:
    return false;
  }
  return false;
}

void TfrmQuickLaunch::launch() {
  if (state_.TargetState != TargetStates::Target) {
    view_.activate();
    return;
  }
  if (state_.TargetWindow != NoTargetWindow && state_.TargetWindow > 0)
    hooks_.captureFromApplication(state_.TargetWindow, "tray");
}

void TfrmQuickLaunch::btnClick() {
  capture(CaptureBy::Click, "button");
}

void TfrmQuickLaunch::hotKey(const std::string& how) {
  capture(CaptureBy::HotKey, how);
}

void TfrmQuickLaunch::capture(CaptureBy by, const std::string& how) {
  if (!view_.buttonVisible()) return;
  const bool click = by == CaptureBy::Click;
  if (click) {
    view_.setBusyCursor(true);
    stopTimers();
    hide();
  }
  platform::WindowId window = desktop_.foregroundWindow();
  const bool tracked = acq_.TrackedWindow != acquisition::NoTrackedWindow;
  if (click ? ((window <= 0 && tracked) || isQuickLaunchWindow(window))
            : (tracked && isQuickLaunchWindow(window)))
    window = acq_.TrackedWindow;
  if (!hooks_.isReaderWindow(window)) {
    if (state_.TargetState != TargetStates::Target)
      view_.activate();
    else if (state_.TargetWindow != NoTargetWindow && window > 0 && supported(window))
      hooks_.captureFromApplication(window, how);
  }
  if (click) {
    startTimers();
    view_.setBusyCursor(false);
  }
}

void TfrmQuickLaunch::hideQuickLaunch() {
  userHidden_ = true;
  acq_.QuickLaunchSuspended = true;
  hide();
}

void TfrmQuickLaunch::showQuickLaunch() {
  userHidden_ = false;
  acq_.QuickLaunchSuspended = false;
}

} // namespace shell
