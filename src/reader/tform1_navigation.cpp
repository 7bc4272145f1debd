// Navigation of TForm1: jumps to the start, the end and the furthest point
// read, frame, sentence and paragraph steps in the banner modes, page turns
// in the column modes, and the progress bars' dots and marks.
#include <algorithm>
#include <cmath>

#include "engine/char_classes.h"
#include "reader/progress_dot.h"
#include "reader/tform1.h"

namespace reader {
namespace {

using engine::ReadingModeKind;

constexpr const char* StartHint = "Go To Start";
constexpr const char* EndHint = "Go To End";
constexpr const char* StartHintC = "Go to Start";

} // namespace

// --- Shared steps ------------------------------------------------------------------------

// Reading goes on at once from CurrentPosition: the next tick comes now.
void TForm1::bannerStart() {
  tmRead->setEnabled(true);
  rs_.readingHalted = false;
  rs_.readerState = ReaderStateKind::Reading;
  tmReadTimer();
}

void TForm1::bannerJumpTo(std::int32_t position) {
  tmRead->setEnabled(true);
  rs_.readingHalted = false;
  es_.CurrentPosition = std::max<std::int32_t>(position, 1);
  setFrameTiming(0);
  rs_.readerState = ReaderStateKind::Reading;
  tmReadTimer();
}

// A frame drawn by a step is reported like a frame of a tick, and the
// graphic check follows it too.
void TForm1::frameStepShown() {
  if (observer_) observer_->frameShown(rs_.frameTimingWords, rs_.frameTimingInterval);
  showGraphicNearPosition();
}

void TForm1::showOrangeDot() {
  if (window_.draggingDot) return;
  placeDots(layout_.geometry, es_);
  view_.placeProgressDots();
}

// --- Start, end, furthest point --------------------------------------------------------

void TForm1::fevhGoToStart() {
  if (bannerMode()) {
    engine_.goToStart();
    setInfoText("");
    rs_.readerState = ReaderStateKind::Reading;
    tmReadTimer();
    return;
  }
  page_.pageAtEnd = false;
  es_.CurrentPosition = 1;
  es_.FrameStartPosition = 1;
  initializeFade();
}

void TForm1::fevhGoToEnd() {
  if (!bannerMode()) {
    columnGoToEnd();
    return;
  }
  setFrameTiming(0);
  // The engine reads its way to the last frame from the position; from the
  // very end it would find none.
  if (engine::atOrPastEnd(es_, es_.CurrentPosition)) es_.CurrentPosition = 1;
  engine_.goToEnd();
  view_.clearFrame();
  bannerStart();
}

void TForm1::columnGoToEnd() {
  const std::int32_t length = static_cast<std::int32_t>(es_.DocumentLength);
  es_.CurrentPosition = length;
  // About half a page of characters before the end: the last page.
  const int columns = settings_.ColumnNumber == 2 ? 2 : 1;
  const int width = (layout_.geometry.at(ControlId::pbColumn).rect.width - 25) * columns;
  const int perLine = std::max(width / std::max(view_.columnLetterWidth('d'), 1), 1);
  const std::int64_t back = static_cast<std::int64_t>(settings_.ColumnNumber) *
                            static_cast<std::int64_t>(std::floor(layout_.linesPerPage * 0.5)) *
                            perLine;
  std::int64_t start = length - back;
  if (start < 1) start = 0;
  // Onto the separator just before a word.
  const std::string& text = es_.DocumentText;
  const auto separatorAt = [&](std::int64_t p) {
    return engine::isWordSeparator(text[static_cast<std::size_t>(p) - 1]);
  };
  if (start >= 1 && start <= static_cast<std::int64_t>(text.size())) {
    while (start > 1 && separatorAt(start))
      --start;
    if (start > 1) --start;
    while (start > 1 && !separatorAt(start))
      --start;
  }
  es_.CurrentPosition = static_cast<std::int32_t>(start);
  initializeFade();
}

void TForm1::fevhGoToLast() {
  if (bannerMode()) {
    closeFindBar();
    view_.clearFrame();
    bannerJumpTo(window_.lastReadPosition);
    return;
  }
  if (es_.CurrentPosition == window_.lastReadPosition) return;
  lastKey();
}

void TForm1::lastKey() {
  if (bannerMode()) {
    bannerJumpTo(window_.lastReadPosition);
    return;
  }
  es_.CurrentPosition = std::max<std::int32_t>(window_.lastReadPosition, 1);
  // A page from the very end would be empty: the page before it instead.
  if (engine::atOrPastEnd(es_, es_.CurrentPosition))
    es_.CurrentPosition = view_.previousPageStart(static_cast<std::int32_t>(es_.DocumentLength));
  page_.pageAtEnd = false;
  initializeFade();
}

// --- Frame and sentence steps ------------------------------------------------------------

void TForm1::goForward(bool fromWheel) {
  if (!bannerMode()) return;
  setFrameTiming(0);
  stopTimers();
  if (sentenceModeSelected())
    goToNextSentence();
  else
    goToNextFrame();
  if (fromWheel) rs_.navIcon = NavIcon::Play;
  beginReading();
}

void TForm1::goBackward(bool fromWheel) {
  if (!bannerMode() || es_.FrameStartPosition == 0) return;
  setFrameTiming(0);
  stopTimers();
  if (sentenceModeSelected())
    goToPreviousSentence();
  else
    goToPreviousFrame();
  if (fromWheel) rs_.navIcon = NavIcon::Play;
  beginReading();
}

void TForm1::goToNextFrame() {
  stepFrame(true);
}

void TForm1::goToPreviousFrame() {
  stepFrame(false);
}

// One frame on or back, drawn in the condensed font; the dot moves first on
// the way on.
void TForm1::stepFrame(bool forward) {
  view_.useCondensedFont();
  rs_.navIcon = forward ? NavIcon::FastForward : NavIcon::Rewind;
  showFastForwardIcon(rs_.navIcon);
  if (forward) showOrangeDot();
  es_.CountWords = true;
  if (forward)
    engine_.nextFrames(3);
  else
    engine_.previousFrame();
  es_.CountWords = false;
  view_.drawCondensedFrame(forward);
  if (es_.FrameWordCount > 0) setFrameTiming(es_.FrameWordCount);
  frameStepShown();
  view_.buildBannerFont();
  setNumerOfLines();
  tmStartFade->setEnabled(false);
  tmFade->setEnabled(false);
  UpdatePercent();
}

void TForm1::goToNextSentence() {
  rs_.navIcon = NavIcon::FastForward;
  // At the end nothing is read and the strip stays empty until the next
  // tick ends the document.
  const bool read = readFrame();
  showFastForwardIcon(rs_.navIcon);
  showSteppedFrame(read);
}

void TForm1::goToPreviousSentence() {
  engine_.previousFrame();
  // The engine leaves the position after the sentence it found; the frame
  // is read from that sentence's start, as every frame is.
  es_.CurrentPosition = es_.FrameStartPosition;
  rs_.navIcon = NavIcon::Rewind;
  showFastForwardIcon(rs_.navIcon);
  showSteppedFrame(readFrame());
}

// The frame a sentence step read (`read`) drawn whole, without a fade.
void TForm1::showSteppedFrame(bool read) {
  view_.clearFrame();
  writeCurrentFrame();
  if (read) frameStepShown();
  tmStartFade->setEnabled(false);
  UpdatePercent();
}

// --- Paragraphs ---------------------------------------------------------------------------

bool TForm1::beginParagraphJump(NavIcon icon) {
  if (!bannerMode()) return false;
  setFrameTiming(0);
  stopTimers();
  tmStartFade->setEnabled(false);
  rs_.navIcon = icon;
  return true;
}

void TForm1::goToNextParagraph() {
  if (!beginParagraphJump(NavIcon::FastForward)) return;
  if (!engine_.nextParagraph()) {
    // No paragraph left: the next tick reaches the end.
    rs_.readerState = ReaderStateKind::PastEnd;
    view_.clearFrame();
    es_.CurrentPosition = static_cast<std::int32_t>(es_.DocumentLength);
    beginReading();
    if (infoText() != HintRestart) setInfoText(HintRestart);
    return;
  }
  jumpToFrameAt();
}

void TForm1::goToPreviousParagraph() {
  if (!beginParagraphJump(NavIcon::Rewind)) return;
  engine_.previousParagraph();
  jumpToFrameAt();
}

// The frame at CurrentPosition shown whole at once, and reading goes on.
void TForm1::jumpToFrameAt() {
  const bool read = readFrame();
  showFastForwardIcon(rs_.navIcon);
  writeCurrentFrame();
  if (read) frameStepShown();
  showOrangeDot();
  beginReading();
}

// --- Pages ---------------------------------------------------------------------------------

void TForm1::fevhNextPage() {
  initializeFade();
}

void TForm1::skipBack() {
  columnPagesBack(1);
}

void TForm1::threePagesBack() {
  columnPagesBack(3);
}

void TForm1::threePagesForward() {
  if (page_.pageAtEnd) return;
  initializeFade(3);
}

void TForm1::columnPagesBack(int pages) {
  if (bannerMode() || es_.FrameStartPosition == 1) return;
  page_.pageAtEnd = false;
  if (page_.pageTurns >= 3 && !infoText().empty()) setInfoText("");
  std::int32_t start = page_.pageStart;
  for (int i = 0; i < pages && start > 1; ++i)
    start = view_.previousPageStart(start);
  es_.CurrentPosition = start;
  readColumnFrame();
}

// --- The dots ---------------------------------------------------------------------------------

bool TForm1::isDot(ControlId id) const {
  return id == ControlId::pbOrangeDot || id == ControlId::pbOrangeDotC;
}

void TForm1::pbOrangeDotMouseDown(ControlId dot) {
  if (!isDot(dot) || findBarOpen()) return;
  window_.draggingDot = true;
  if (dot == ControlId::pbOrangeDot) view_.showHighlight(ControlId::pbHighLight, false);
}

void TForm1::pbOrangeDotMouseMove(ControlId dot, int x, int y) {
  if (!isDot(dot) || !window_.draggingDot) return;
  const bool banner = dot == ControlId::pbOrangeDot;
  platform::Rect& rect = layout_.geometry.at(dot).rect;
  const DotTrack track =
      banner ? bannerDotTrack(layout_.geometry) : columnDotTrack(layout_.geometry);
  const std::optional<int> place =
      draggedDotPlace(track, banner ? rect.left : rect.top, banner ? x : y);
  if (!place) return;
  (banner ? rect.left : rect.top) = *place;
  view_.placeProgressDots();
}

void TForm1::pbOrangeDotMouseUp(ControlId dot) {
  if (!isDot(dot) || !window_.draggingDot) return;
  const bool banner = dot == ControlId::pbOrangeDot;
  const platform::Rect& rect = layout_.geometry.at(dot).rect;
  if (!banner && rect.top == window_.columnDotDropTop) {
    // Released where the last drop left it: nothing was dragged.
    window_.draggingDot = false;
    return;
  }
  es_.HeadingCandidate = false;
  window_.draggingDot = false;
  const DotTrack track =
      banner ? bannerDotTrack(layout_.geometry) : columnDotTrack(layout_.geometry);
  const double f = droppedDotFraction(track, banner ? rect.left : rect.top);
  es_.CurrentPosition = dropPosition(es_, f);
  if (engine::atOrPastEnd(es_, es_.CurrentPosition)) {
    // The very end: the last frame or page.
    fevhGoToEnd();
  } else {
    es_.CurrentPosition = wordStartAt(es_, es_.CurrentPosition);
    readFromHere();
  }
  if (!banner) window_.columnDotDropTop = layout_.geometry.at(dot).rect.top;
}

// The frame or page from CurrentPosition at once, after a drop of the dot.
void TForm1::readFromHere() {
  if (!bannerMode()) {
    page_.pageAtEnd = false;
    readColumnFrame();
    return;
  }
  stopTimers();
  tmStartFade->setEnabled(false);
  const bool read = readFrame();
  writeCurrentFrame();
  if (read) frameStepShown();
  if (rs_.readerState == ReaderStateKind::Reading && !rs_.readingHalted)
    tmRead->setEnabled(true);
  else
    setInfoText(HintContinue);
}

void TForm1::pbOrangeDotMouseEnter(ControlId dot) {
  if (isDot(dot)) view_.setDotHover(dot, true);
}

void TForm1::pbOrangeDotMouseLeave(ControlId dot) {
  if (isDot(dot)) view_.setDotHover(dot, false);
}

// --- The marks ----------------------------------------------------------------------------------

void TForm1::markMouseEnter(ControlId mark) {
  const platform::Rect& at = layout_.geometry.at(mark).rect;
  switch (mark) {
  case ControlId::pbGoToStartB:
  case ControlId::pbGoToEndB: {
    if (!rs_.readingHalted) {
      view_.setMarkHint(mark, "", false);
      return;
    }
    const char* hint = mark == ControlId::pbGoToStartB ? StartHint : EndHint;
    view_.setMarkHint(mark, hint, true);
    window_.highlightHint = hint;
    platform::Rect& place = layout_.geometry.at(ControlId::pbHighLight).rect;
    place.left = at.left - 4;
    place.top = at.top - 3;
    view_.showHighlight(ControlId::pbHighLight, true);
    return;
  }
  case ControlId::pbGoToStartC:
  case ControlId::pbGoToEndC: {
    window_.highlightHintC = mark == ControlId::pbGoToStartC ? StartHintC : EndHint;
    platform::Rect& place = layout_.geometry.at(ControlId::pbHighLightC).rect;
    place.left = at.left - 3;
    place.top = at.top - 3;
    view_.showHighlight(ControlId::pbHighLightC, true);
    return;
  }
  default:
    return;
  }
}

void TForm1::pbHighLightClick(ControlId highlight) {
  const bool banner = highlight == ControlId::pbHighLight;
  if (!banner && highlight != ControlId::pbHighLightC) return;
  const std::string& hint = banner ? window_.highlightHint : window_.highlightHintC;
  if (hint == StartHint || hint == StartHintC) {
    if (banner)
      fevhRestart();
    else
      fevhGoToStart();
  } else if (hint == EndHint) {
    fevhGoToEnd();
  }
}

void TForm1::pbHighLightMouseLeave(ControlId highlight) {
  if (highlight == ControlId::pbHighLight || highlight == ControlId::pbHighLightC)
    view_.showHighlight(highlight, false);
}

void TForm1::pbGoToStartBClick() {
  fevhRestart();
}

void TForm1::pbGoToEndBClick() {
  fevhGoToEnd();
}

void TForm1::pbGoToStartCClick() {
  fevhGoToStart();
}

void TForm1::pbGoToEndCClick() {
  fevhGoToEnd();
}

// --- The window and the wheel
// ----------------------------------------------------------------------

void TForm1::FormClick() {
  if (bannerMode())
    fevhStopOrContinue();
  else
    fevhNextPage();
}

void TForm1::FormMouseWheel(bool up) {
  if (findBarOpen()) return;
  if (bannerMode()) {
    if (up)
      goBackward(true);
    else
      goForward(true);
    return;
  }
  if (page_.pageTurns >= 3 && !infoText().empty()) setInfoText("");
  if (up)
    skipBack();
  else if (!page_.pageAtEnd)
    fevhNextPage();
}

} // namespace reader
