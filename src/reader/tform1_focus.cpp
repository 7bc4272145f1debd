// Focus tracking of TForm1: every 100 ms the reader looks at the window in
// front. When the user goes to another program (not the source window, not a
// window of this program) the reader halts and hides; when the source window
// is in front again the reader comes back over it, topmost without taking the
// focus, with its last frame or page and the hint to go on. A source window
// that is hidden or minimised hides the reader. With no source window (a file
// given on the command line) the reader stays where it is; a prepared
// document still starts and a halted hint still blinks.
#include "reader/tform1.h"

namespace reader {
namespace {

// Any text that is not empty: the frame is to be shown again on return.
constexpr const char* HiddenFramePlaceholder = "sCurrentFrame";

} // namespace

bool TForm1::sourceWindowSet() const {
  // -100 is no source window, -1 a capture under way, 0 none yet.
  return acquisition_.SourceWindow > 0;
}

bool TForm1::sourceWindowShown() {
  const platform::WindowId source = acquisition_.SourceWindow;
  return desktop_.isWindowVisible(source) && !desktop_.isMinimised(source);
}

bool TForm1::sourceWindowOffScreen() {
  // Where a desktop parks a minimised window: both far edges before the screen.
  const platform::Rect place = desktop_.windowRect(acquisition_.SourceWindow);
  return place.right() < 0 && place.bottom() < 0;
}

bool TForm1::readerInFront(platform::WindowId foreground) {
  if (foreground <= platform::NoWindow) return false;
  return foreground == view_.windowId() || desktop_.isOwnWindow(foreground);
}

void TForm1::FormHide() {
  es_.FrameText = HiddenFramePlaceholder;
  page_.pageDrawn = false;
  rs_.menuGuard = false;
}

void TForm1::hideReader() {
  if (!view_.windowShown()) return;
  view_.hideWindow();
  FormHide();
}

void TForm1::showReader() {
  view_.showWindow();
  const platform::WindowId id = view_.windowId();
  if (id > platform::NoWindow) desktop_.keepOnTop(id);
}

void TForm1::tmFocusTimer() {
  // In full screen the popups are removed by the layout itself (no popup
  // there), so nothing of them is left to do here.
  acquisition_.ReaderShown = true;
  const platform::WindowId foreground =
      sourceWindowSet() ? desktop_.foregroundWindow() : platform::FailedWindow;
  if (bannerMode())
    followSourceInBanner(foreground);
  else if (sourceWindowSet())
    followSourceInColumns(foreground);

  // Opening a menu has halted reading already; a source window may not
  // start it again meanwhile.
  if (fade_.menuLoopActive && sourceWindowSet()) {
    tmRead->setEnabled(false);
    if (bannerMode()) es_.FrameText = HiddenFramePlaceholder;
  }
  const bool headingShown = window_.statusPanels[1] == "Heading detected";
  if (es_.HeadingIcon && !headingShown && bannerMode())
    showHeadingIcon();
  else if (!es_.HeadingIcon && headingShown)
    hideHeadingIcon();
  blinkHint();
}

// --- Column modes -------------------------------------------------------------------------

void TForm1::followSourceInColumns(platform::WindowId foreground) {
  const platform::WindowId source = acquisition_.SourceWindow;
  const bool shown = sourceWindowShown();
  const bool elsewhere =
      foreground != platform::FailedWindow && foreground != source && !readerInFront(foreground);
  const bool left = elsewhere || !shown || sourceWindowOffScreen();
  if (!shown) {
    if (view_.windowShown()) window_.pageToReadAgain = true;
    hideReader();
  }
  if (left) {
    if (fade_.menuLoopActive || !view_.windowShown()) return;
    hideReader();
    window_.pageToReadAgain = true;
    return;
  }
  if (rs_.menuGuard || view_.windowShown()) return;
  if (hooks_.hideQuickLaunch) hooks_.hideQuickLaunch();
  showReader();
  if (window_.pageToReadAgain) {
    window_.pageToReadAgain = false;
    readCurrentFrame();
  }
}

// --- Banner modes ------------------------------------------------------------------------

void TForm1::followSourceInBanner(platform::WindowId foreground) {
  const bool known = foreground != platform::FailedWindow;
  if (sourceWindowSet() && known && infoText() == HintContinue && !readerInFront(foreground))
    setInfoText(HintClickContinue);
  rs_.SentenceMode = sentenceModeSelected();

  if (sourceWindowSet()) {
    const platform::WindowId source = acquisition_.SourceWindow;
    if (!sourceWindowShown()) {
      // A hidden or minimised source: the words stop with the window.
      if (view_.windowShown()) leaveInBanner();
      return;
    }
    if (rs_.readingHalted) view_.setProgressPanelVisible(true);
    if (!known) return;
    const bool left = foreground != source && !readerInFront(foreground);
    if (left) {
      if (view_.windowShown()) leaveInBanner();
      return;
    }
    if (foreground == source && rs_.readerState == ReaderStateKind::Reading &&
        view_.windowShown() && !findBarOpen()) {
      // The user works in the source again: the frame stays, whole.
      tmRead->setEnabled(false);
      rs_.readingHalted = true;
      stopTimers();
      view_.displayOnActivate();
      setInfoText(HintClickContinue);
      rs_.readerState = ReaderStateKind::Paused;
      setPauseItemCaption("Continue");
    }
    if (!view_.windowShown()) {
      if (rs_.menuGuard) return;
      returnInBanner();
    }
  }

  if (rs_.readerState == ReaderStateKind::Starting || rs_.startPending) {
    startPreparedDocument();
    return;
  }
  if (!sourceWindowSet()) return;
  if (!rs_.readingHalted && !findBarOpen() && !fade_.menuLoopActive) tmRead->setEnabled(true);
  // A document that has not started shows its first frame with the start hint.
  if (rs_.readingHalted && es_.CurrentPosition <= 1 && !findBarOpen() &&
      rs_.readerState == ReaderStateKind::Ended) {
    rs_.startPending = true;
    startPreparedDocument();
  }
}

void TForm1::leaveInBanner() {
  tmRead->setEnabled(false);
  rs_.readingHalted = true;
  stopTimers();
  if (rs_.readerState == ReaderStateKind::Reading) {
    rs_.readerState = ReaderStateKind::Paused;
    setPauseItemCaption("Continue");
  }
  hideReader();
}

void TForm1::returnInBanner() {
  showReader();
  if (!es_.FrameText.empty()) {
    es_.CurrentPosition = es_.FrameStartPosition;
    if (findBarOpen() && window_.search.MatchShown) {
      findMatchAgain();
      return; // the find bar's messages stay
    }
    if (readFrame()) {
      stopTimers();
      view_.displayOnActivate();
    }
  }
  if (findBarOpen()) return;
  // Reading that has not started yet: the first frame waits for its start.
  const bool notStarted = es_.FrameStartPosition <= 1 && !settings_.AutoStart &&
                          rs_.readerState == ReaderStateKind::Ended;
  if (notStarted) {
    rs_.readerState = ReaderStateKind::Ended;
    setInfoText(HintStart);
  } else if (rs_.readerState == ReaderStateKind::Paused) {
    setInfoText(HintContinue);
  }
}

} // namespace reader
