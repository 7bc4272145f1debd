// The window's handlers for showing and closing, the reading modes, full
// screen and the words-per-screen commands.
#include "reader/colour_schemes.h"
#include "reader/layout_geometry.h"
#include "reader/tform1.h"

namespace reader {

using engine::ReadingModeKind;

// --- Showing and closing --------------------------------------------------------------

void TForm1::FormShow() {
  tmFocus->setEnabled(true);
  view_.prepareFonts();
  tmRead->setEnabled(bannerMode() && !rs_.readingHalted);
  view_.arrangeControls();
  UpdatePercent();
  rs_.SentenceMode = settings_.ReadingMode == ReadingModeKind::Sentence;
  if (!bannerMode()) {
    page_.pageAtEnd = false;
    readColumnFrame();
  }
}

void TForm1::FormClose() {
  leaveFullScreen();
  stopTimers();
  stopPageFade();
  tmRead->setEnabled(false);
  tmFocus->setEnabled(false);
  // The reader follows no source window any more.
  acquisition_.ReaderShown = false;
  acquisition_.SourceWindow = acquisition::NoSourceWindow;
}

// --- Reading modes ----------------------------------------------------------------------

void TForm1::imgSingleColumnClick() {
  switchToColumns(ReadingModeKind::Single);
}
void TForm1::imgDoubleColumnClick() {
  switchToColumns(ReadingModeKind::Double);
}
void TForm1::imgBannerReaderClick() {
  switchToBanner(ReadingModeKind::Banner);
}
void TForm1::imgSentenceReaderClick() {
  switchToBanner(ReadingModeKind::Sentence);
}

void TForm1::switchToColumns(ReadingModeKind mode) {
  if (settings_.ReadingMode == mode) return;
  const bool fromBanner = bannerMode();
  closeFindBar();
  stopTimers();
  stopPageFade();
  tmRead->setEnabled(false);
  if (fromBanner) es_.CurrentPosition = es_.FrameStartPosition;
  // The last page on screen: the other column mode shows it again rather
  // than an empty page after it.
  if (!fromBanner && engine::atOrPastEnd(es_, es_.CurrentPosition))
    es_.CurrentPosition = page_.pageStart;
  settings_.ReadingMode = mode;
  settings_.ColumnNumber = mode == ReadingModeKind::Single ? 1 : 2;
  rs_.SentenceMode = false;
  view_.arrangeControls();
  if (layout_.fullScreen) view_.placeFullScreen();
  updateLabels();
  es_.columnTextWidth = layout_.geometry.at(ControlId::pbColumn).rect.width - 10;
  if (mode == ReadingModeKind::Double) setInfoText(HintNextPage);
  page_.pageAtEnd = false;
  page_.pageTurns = 0;
  readColumnFrame();
  if (mode == ReadingModeKind::Single) setInfoText(HintNextPage);
}

void TForm1::switchToBanner(ReadingModeKind mode) {
  if (settings_.ReadingMode == mode) return;
  const bool fromColumns = !bannerMode();
  closeFindBar();
  stopPageFade();
  setInfoText("");
  if (fromColumns) es_.CurrentPosition = es_.FrameStartPosition;
  settings_.ReadingMode = mode;
  rs_.SentenceMode = mode == ReadingModeKind::Sentence;
  view_.buildBannerFont();
  view_.arrangeControls();
  if (layout_.fullScreen) view_.placeFullScreen();
  updateLabels();
  showOrangeDot();
  if (fromColumns) {
    // Reading goes on from the start of the page when the user continues.
    rs_.readerState = ReaderStateKind::Paused;
    rs_.readingHalted = true;
    tmRead->setEnabled(false);
    view_.clearFrame();
    setInfoText(HintContinue);
  }
}

void TForm1::nextMode() {
  const bool full = layout_.fullScreen;
  switch (settings_.ReadingMode) {
  case ReadingModeKind::Banner:
    imgSentenceReaderClick();
    break;
  case ReadingModeKind::Sentence:
    imgSingleColumnClick();
    break;
  case ReadingModeKind::Single:
    imgDoubleColumnClick();
    break;
  case ReadingModeKind::Double:
    imgBannerReaderClick();
    break;
  }
  if (full) {
    view_.placeFullScreen();
    if (bannerMode()) view_.clearFrame();
  }
}

// --- Full screen ---------------------------------------------------------------------------

void TForm1::saveOriginalSettings() {
  auto& s = settings_;
  layout_.savedColours = {s.Banner.colours(), s.Column.colours()};
  s.Banner.setColours({Silver, Black});
  s.Column.setColours({Silver, Black});
}

void TForm1::restoreOriginalSettings() {
  if (!layout_.fullScreen) return;
  settings_.Banner.setColours(layout_.savedColours.banner);
  settings_.Column.setColours(layout_.savedColours.column);
}

void TForm1::withUserColours(const std::function<void()>& work) {
  if (!layout_.fullScreen) {
    work();
    return;
  }
  const SavedColours shown{settings_.Banner.colours(), settings_.Column.colours()};
  restoreOriginalSettings();
  work();
  settings_.Banner.setColours(shown.banner);
  settings_.Column.setColours(shown.column);
}

void TForm1::enterFullScreen() {
  if (layout_.fullScreen) return;
  saveOriginalSettings();
  layout_.fullScreen = true;
  view_.showFullScreen();
  UpdatePercent();
  if (bannerMode()) {
    view_.clearFrame();
    if (rs_.readingHalted) view_.drawFrame(FullFadeLevel);
  } else {
    readCurrentFrame();
  }
}

void TForm1::leaveFullScreen() {
  if (!layout_.fullScreen) return;
  restoreOriginalSettings();
  layout_.fullScreen = false;
  view_.showNormalWindow();
  if (bannerMode()) {
    view_.clearFrame();
    if (rs_.readingHalted) view_.drawFrame(FullFadeLevel);
  } else {
    readCurrentFrame();
  }
}

// --- Words per screen -------------------------------------------------------------------------

void TForm1::SetWPSLPS() {
  reader::SetWPSLPS(settings_, automatic_);
}

void TForm1::chooseWordsPerScreen(std::size_t item) {
  reader::chooseWordsPerScreen(settings_, automatic_, item);
  UpdatePercent();
}

bool TForm1::wordsPerScreenChecked(std::size_t item) const {
  return checkedWordsPerScreenItem(settings_) == item;
}

} // namespace reader
