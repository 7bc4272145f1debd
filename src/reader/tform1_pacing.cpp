// The reading loop of TForm1: ticks, frames, frame intervals, pauses, the end
// of the document, pause / continue / restart and the speed steps.
#include <algorithm>

#include "engine/search.h"
#include "engine/settings_record.h"
#include "reader/floor_to_int.h"
#include "reader/layout_geometry.h"
#include "reader/speed_compensation.h"
#include "reader/tform1.h"
#include "reader/words_per_screen.h"

namespace reader {
namespace {

using engine::ReadingModeKind;

constexpr int MaxSpeed = engine::MaxWordsPerMinute;
constexpr int MenuMinSpeed = 10;
constexpr int SpeedStep = 10;
using engine::HighlightMarker;

// The fewest words a frame of `lines` x `wordsPerLine` places is timed for.
std::int64_t minimumFrameWords(int places, std::int64_t words) {
  switch (places) {
  case 2:
    return 2;
  case 3:
  case 4:
  case 5:
  case 6:
    return std::max<std::int64_t>(words, 2);
  case 8:
  case 9:
    return std::max<std::int64_t>(words, 3);
  case 10:
  case 11:
  case 12:
    return std::max<std::int64_t>(words, 4);
  case 15:
  case 16:
    return std::max<std::int64_t>(words, 5);
  case 18:
    return std::max<std::int64_t>(words, 6);
  default:
    return words;
  }
}

void removeCarriageReturns(std::string& line) {
  std::erase(line, '\r');
}

bool isBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

// Removes blanks and control characters from both ends.
std::string trimmed(const std::string& text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && isBlank(text[first]))
    ++first;
  while (last > first && isBlank(text[last - 1]))
    --last;
  return text.substr(first, last - first);
}

// Written into `text`, which keeps its buffer from frame to frame.
void joinLines(const std::array<std::string, engine::MaxFrameLines>& lines, std::string& text) {
  text.clear();
  for (const std::string& line : lines) {
    if (line.empty()) continue;
    if (!text.empty()) text += '\r';
    text += line;
  }
}

} // namespace

TForm1::TForm1(const ReaderContext& context, platform::TimerFactory& timers, ReaderView& view,
               DocumentPlace place)
    : settings_(context.settings), es_(context.engine), engine_(context.textEngine),
      rs_(context.reading), fade_(context.fade), layout_(context.layout), page_(context.page),
      window_(context.window), automatic_(context.automatic), timers_(timers), view_(view),
      desktop_(context.desktop), acquisition_(context.acquisition), place_(std::move(place)) {
  tmRead = timers_.createTimer();
  tmFadeIn = timers_.createTimer();
  tmStartFade = timers_.createTimer();
  tmFade = timers_.createTimer();
  tmFadeColumn = timers_.createTimer();
  tmFadeStop = timers_.createTimer();
  tmHideInfo = timers_.createTimer();
  tmFocus = timers_.createTimer();
  tmFindWrap = timers_.createTimer();
  tmRead->setInterval(20);
  tmFadeIn->setInterval(20);
  tmStartFade->setInterval(1000);
  tmFade->setInterval(1000);
  tmFadeColumn->setInterval(40);
  tmFadeStop->setInterval(1);
  tmHideInfo->setInterval(1000);
  tmFocus->setInterval(100);
  tmRead->OnTimer = [this] { tmReadTimer(); };
  tmFadeIn->OnTimer = [this] { tmFadeInTimer(); };
  tmStartFade->OnTimer = [this] { tmStartFadeTimer(); };
  tmFade->OnTimer = [this] { tmFadeTimer(); };
  tmFadeColumn->OnTimer = [this] { tmFadeColumnTimer(); };
  tmFadeStop->OnTimer = [this] { tmFadeStopTimer(); };
  tmHideInfo->OnTimer = [this] { tmHideInfoTimer(); };
  tmFocus->OnTimer = [this] { tmFocusTimer(); };
  tmFindWrap->setInterval(1000);
  tmFindWrap->OnTimer = [this] { tmFindWrapTimer(); };
  tmFocus->setEnabled(true);
  engine_.callbacks().setFrameTiming = [this](std::int32_t words) { setFrameTiming(words); };
}

TForm1::~TForm1() {
  engine_.callbacks().setFrameTiming = nullptr;
  for (auto* timer :
       {tmRead.get(), tmFadeIn.get(), tmStartFade.get(), tmFade.get(), tmFadeColumn.get(),
        tmFadeStop.get(), tmHideInfo.get(), tmFocus.get(), tmFindWrap.get()}) {
    timer->setEnabled(false);
    timer->OnTimer = nullptr;
  }
}

bool TForm1::workScheduled() const {
  for (const auto* timer :
       {tmRead.get(), tmFadeIn.get(), tmStartFade.get(), tmFade.get(), tmFadeColumn.get(),
        tmFadeStop.get(), tmHideInfo.get(), tmFindWrap.get()})
    if (timer->Enabled() && timer->Interval() > 0) return true;
  return false;
}

bool TForm1::rule(engine::TextRule r) const {
  return settings_.GeneralTextRules[r];
}

bool TForm1::sentenceModeSelected() const {
  return settings_.ReadingMode == ReadingModeKind::Sentence;
}

bool TForm1::isBannerRunning() const {
  return isBannerMode(settings_.ReadingMode);
}

bool TForm1::bannerMode() const {
  return isBannerMode(settings_.ReadingMode);
}

void TForm1::setPauseItemCaption(const char* caption) {
  window_.pauseCaption = caption;
}

// --- Frame interval ------------------------------------------------------------

void TForm1::updateEffectiveSpeed() {
  const SpeedInputs inputs{settings_.WordsPerMinute,
                           sentenceModeSelected(),
                           rule(engine::RuleDelayAtSentenceEnd),
                           rule(engine::RuleDelayAtParagraphEnd),
                           rule(engine::RuleCombineSmallSentences),
                           settings_.LinesPerScreen,
                           settings_.WordsPerScreen};
  // Anything else may have set the field too (a restored state, a test).
  if (inputs == speedInputs_ && rs_.EffectiveWordsPerMinute == effectiveWordsPerMinute_) return;
  const int band = speedBand(inputs.speed);
  const double factor = inputs.sentence
                            ? sentenceCompensation(band, inputs.paragraphDelay, inputs.combine)
                            : layoutCompensation(band, inputs.sentenceDelay, inputs.paragraphDelay,
                                                 inputs.lines, inputs.words);
  rs_.EffectiveWordsPerMinute = effectiveSpeed(inputs.speed, factor);
  speedInputs_ = inputs;
  effectiveWordsPerMinute_ = rs_.EffectiveWordsPerMinute;
}

void TForm1::setFrameTiming(std::int32_t words) {
  updateEffectiveSpeed();
  rs_.frameTimingWords = words;
  if (words == 0) {
    tmRead->setInterval(1);
    rs_.frameTimingInterval = 1;
    return;
  }
  const std::int64_t asked = words;
  std::int64_t n = words;
  const bool sentence = sentenceModeSelected();
  const int speed = settings_.WordsPerMinute;
  const int lines = settings_.LinesPerScreen;
  const int perLine = settings_.WordsPerScreen;
  if (sentence) {
    n = std::max<std::int64_t>(n, speed >= 350 ? 10 : 5);
  } else if (lines >= 2) {
    n = minimumFrameWords(lines * perLine, n);
  } else if (n >= 1 && n <= perLine && perLine >= 2 && perLine <= 6) {
    n = perLine; // a short last line takes a whole line's time
  }
  // A speed below 1 (only an edited settings file holds one) times like 0.
  const int effective = rs_.EffectiveWordsPerMinute;
  const auto wordsTime = [&] {
    if (speed == 0 || n == 0 || effective < 1) return 1;
    return floorToInt(60000.0 / effective * static_cast<double>(n));
  };
  int interval = wordsTime();
  if (es_.HeadingIcon && asked <= settings_.HeadingMaxWords &&
      !rule(engine::RuleDelayAtParagraphEnd)) {
    const double lengthening = asked == 1 ? 1.8 : 1.8 - 0.05 * static_cast<double>(asked);
    interval = floorToInt(interval * lengthening);
  }
  if (speed <= 500 && !sentence) interval = wordsTime();
  interval = std::max(interval, 1);
  tmRead->setInterval(interval);
  rs_.frameTimingInterval = interval;
}

// --- Frames --------------------------------------------------------------------

void TForm1::setNumerOfLines() {
  // A frame always holds a line: with none the loop would never move on.
  es_.LinesInFrame =
      static_cast<std::uint8_t>(std::clamp<int>(view_.linesInFrame(), 1, engine::MaxFrameLines));
}

bool TForm1::readFrame() {
  setNumerOfLines();
  updateLabels();
  es_.HeadingFound = false;
  es_.RowBreak = false;
  es_.SentenceEnd = false;
  es_.LineIndex = 0;
  es_.FrameStartPosition = es_.CurrentPosition;
  es_.LineStartPosition = es_.CurrentPosition;
  for (std::string& line : es_.FrameLines)
    line.clear();
  es_.FrameText.clear();
  rs_.pendingDelay = false;
  rs_.pendingParagraphDelay = false;
  rs_.lineSentenceDelay = false;
  if (engine::atOrPastEnd(es_, es_.CurrentPosition)) return false;
  return sentenceModeSelected() ? readSentenceFrame() : readBannerFrame();
}

bool TForm1::readBannerFrame() {
  const std::uint32_t countAtStart = es_.WordCounter;
  int closingLine = -1; // last line that closed a sentence or a row
  std::int32_t closingEnd = 0;
  std::uint32_t countAtClosing = countAtStart;
  const int linesPerScreen = settings_.LinesPerScreen;

  es_.CountWords = true;
  for (int guard = 0;
       guard < engine::MaxFrameLines && es_.LineIndex < es_.LinesInFrame && !es_.HeadingFound &&
       !es_.RowBreak && !es_.SentenceEnd && engine::beforeEnd(es_, es_.CurrentPosition);
       ++guard) {
    const int index = std::min<int>(es_.LineIndex, engine::MaxFrameLines - 1);
    es_.FrameLines[index] = engine_.readLine(settings_.WordsPerScreen);

    if (es_.SentenceEnd && rule(engine::RuleDelayAtParagraphEnd) &&
        es_.LineBreakCount >= 2) { // paragraph end
      for (int i = index + 1; i < engine::MaxFrameLines; ++i)
        es_.FrameLines[i].clear();
      rs_.pendingDelay = true;
      rs_.pendingParagraphDelay = true;
      es_.LineIndex = static_cast<std::uint8_t>(std::clamp(linesPerScreen, 0, 4));
    }
    if (es_.SentenceEnd && rule(engine::RuleDelayAtSentenceEnd) && linesPerScreen == 1) {
      rs_.pendingDelay = true;
      rs_.lineSentenceDelay = true;
    }
    removeCarriageReturns(es_.FrameLines[index]);
    if (es_.LineIndex < 4) ++es_.LineIndex;

    if (es_.HeadingFound && closingLine >= 0) {
      // The heading opens the next frame: give its line back.
      es_.CurrentPosition = closingEnd;
      es_.LineStartPosition = closingEnd;
      for (int i = closingLine + 1; i < engine::MaxFrameLines; ++i)
        es_.FrameLines[i].clear();
      es_.HeadingFound = false;
      es_.HeadingIcon = false;
      es_.WordCounter = countAtClosing; // its words are counted when it is read again
      es_.LineIndex = static_cast<std::uint8_t>(closingLine + 1);
      rs_.pendingDelay = false;
      rs_.pendingParagraphDelay = false;
      rs_.lineSentenceDelay = false;
      break;
    }
    if (es_.SentenceEnd || es_.RowBreak) {
      closingLine = index;
      closingEnd = es_.CurrentPosition;
      countAtClosing = es_.WordCounter;
      es_.LineStartPosition = es_.CurrentPosition; // the next line may be a heading
      if (!es_.HeadingFound && linesPerScreen - es_.LineIndex > 0) {
        es_.SentenceEnd = false;
        es_.RowBreak = false;
      }
    }
  }
  es_.CountWords = false;
  joinLines(es_.FrameLines, es_.FrameText);

  const std::int64_t words = static_cast<std::int64_t>(es_.WordCounter) - countAtStart;
  if (words > settings_.HeadingMaxWords && es_.HeadingFound) {
    es_.HeadingFound = false;
    es_.HeadingIcon = false;
  }
  setFrameTiming(static_cast<std::int32_t>(std::max<std::int64_t>(words, 0)));
  return true;
}

bool TForm1::readSentenceFrame() {
  const std::uint32_t countAtStart = es_.WordCounter;
  std::string sentence;
  es_.CountWords = true;
  for (int guard = 0;
       guard < engine::MaxFrameLines && es_.LineIndex < es_.LinesInFrame && !es_.HeadingFound &&
       !es_.RowBreak && !es_.SentenceEnd && engine::beforeEnd(es_, es_.CurrentPosition);
       ++guard) {
    const std::int32_t before = es_.CurrentPosition;
    sentence += engine_.readLine(settings_.WordsPerScreen);
    if (es_.SentenceEnd && rule(engine::RuleDelayAtParagraphEnd) &&
        es_.LineBreakCount >= 2) { // paragraph end
      for (int i = es_.LineIndex + 1; i < engine::MaxFrameLines; ++i)
        es_.FrameLines[i].clear();
      rs_.pendingDelay = true;
      rs_.pendingParagraphDelay = true;
      es_.LineIndex = es_.LinesInFrame;
    }
    if (es_.CurrentPosition == before) break; // nothing more could be read
  }
  es_.CountWords = false;

  std::string& first = es_.FrameLines[0];
  removeCarriageReturns(first);
  const bool heldMarker = first.find(HighlightMarker) != std::string::npos;
  first = trimmed(first);
  if (heldMarker && first.find(HighlightMarker) == std::string::npos)
    first.insert(first.begin(), HighlightMarker);
  es_.FrameText = sentence;

  const std::int64_t words = static_cast<std::int64_t>(es_.WordCounter) - countAtStart;
  if (words > settings_.HeadingMaxWords && es_.HeadingFound) {
    es_.HeadingFound = false;
    es_.HeadingIcon = false;
  }
  return true;
}

void TForm1::drawFullFrame() {
  fade_.fadeLevel = FullFadeLevel;
  view_.drawFrame(FullFadeLevel);
}

void TForm1::writeCurrentFrame() {
  drawFullFrame();
  if (isBannerRunning()) UpdatePercent();
}

void TForm1::updateLabels() {
  if (settings_.WordsPerMinute > MaxSpeed) settings_.WordsPerMinute = MaxSpeed;
  UpdatePercent();
}

// --- The tick ------------------------------------------------------------------

void TForm1::blankFrame() {
  for (std::string& line : es_.FrameLines)
    line.clear();
  writeCurrentFrame();
}

bool TForm1::sentencePause() {
  if (rs_.SentenceMode || !rs_.pendingDelay || !rule(engine::RuleDelayAtSentenceEnd) ||
      settings_.LinesPerScreen != 1)
    return false;
  stopTimers();
  const int effective = std::max<int>(rs_.EffectiveWordsPerMinute, 1);
  const int interval = std::max(floorToInt(180000.0 / effective), 1);
  tmRead->setInterval(interval);
  blankFrame();
  rs_.pendingDelay = false;
  if (observer_) observer_->pauseStarted(interval);
  return true;
}

bool TForm1::pauseTick() {
  if (!(rs_.pendingDelay && rule(engine::RuleDelayAtParagraphEnd) && rs_.pendingParagraphDelay))
    return sentencePause();

  const std::int64_t sinceLastParagraph =
      static_cast<std::int64_t>(es_.WordCounter) - rs_.wordsAtLastParagraph;
  const bool smallParagraph =
      rule(engine::RuleSmallParagraphsAsSentences) && sinceLastParagraph <= 20 && !es_.HeadingFound;
  if (smallParagraph) { // ends like a sentence
    const bool paused = sentencePause();
    if (!paused) rs_.pendingDelay = false;
    rs_.wordsAtLastParagraph = es_.WordCounter;
    return paused;
  }

  stopTimers();
  const int effective = std::max<int>(rs_.EffectiveWordsPerMinute, 1);
  const int speed = settings_.WordsPerMinute;
  int interval = 180000 / effective; // three words' time
  if (!es_.HeadingFound && rs_.lineSentenceDelay && !rs_.SentenceMode) {
    const double words = speed <= 200 ? 216000.0 : speed <= 350 ? 270000.0 : 360000.0;
    interval = floorToInt(words / effective);
  }
  interval = std::max(interval, 1);
  tmRead->setInterval(interval);
  blankFrame();
  rs_.pendingDelay = false;
  rs_.wordsAtLastParagraph = es_.WordCounter;
  if (observer_) observer_->pauseStarted(interval);
  return true;
}

void TForm1::showGraphicNearPosition() {
  const int index = engine::graphicNear(es_, es_.CurrentPosition);
  if (index >= 0) {
    if (place_.updateWordPosition) place_.updateWordPosition(index);
    showPictureIcon();
  } else {
    hidePictureIcon();
  }
}

void TForm1::showGraphicOnPage() {
  const int index = engine::graphicBetween(es_, page_.pageStart, es_.CurrentPosition);
  if (index >= 0) {
    if (place_.updateWordPosition) place_.updateWordPosition(index);
    showPictureIcon();
  } else {
    hidePictureIcon();
  }
}

void TForm1::readColumnFrame() {
  // A page read now ends any page fade still under way.
  stopPageFade();
  if (!view_.readColumnFrame()) return;
  if (page_.pageTurns >= 3 && !infoText().empty()) setInfoText("");
  showGraphicOnPage();
  UpdatePercent();
}

void TForm1::readCurrentFrame() {
  stopPageFade();
  if (!view_.readCurrentFrame()) return;
  if (page_.pageTurns >= 3 && !infoText().empty()) setInfoText("");
  showGraphicOnPage();
  UpdatePercent();
}

void TForm1::tmReadTimer() {
  rs_.menuGuard = false;
  rs_.readerState = ReaderStateKind::Reading;
  view_.setProgressPanelVisible(!settings_.AutoHideProgressBar);

  const bool paused = pauseTick();

  tmFade->setEnabled(false);
  if (!findBarOpen()) tmStartFade->setEnabled(false);
  if (engine::beforeEnd(es_, es_.CurrentPosition)) setInfoText("");

  if (paused) {
    settings_.TotalReadingTime += tmRead->Interval();
    return;
  }

  if (!readFrame()) {
    treatEOF();
  } else {
    if (es_.HeadingIcon && !es_.FrameText.empty())
      showHeadingIcon();
    else
      hideHeadingIcon();
    updateLabels(); // places the dots too
    if (observer_) observer_->frameShown(rs_.frameTimingWords, rs_.frameTimingInterval);
    if (settings_.WordsPerMinute >= 501) {
      drawFullFrame(); // the labels are up to date
    } else if (sentenceModeSelected()) {
      startFadeIn();
    } else {
      const int step = fadeStepLength();
      tmFadeIn->setInterval(std::max(step, 1));
      if (step > 1)
        startFadeIn();
      else
        writeCurrentFrame();
    }
  }

  settings_.TotalReadingTime += tmRead->Interval();
  showGraphicNearPosition();

  if (tmRead->Enabled() && !rs_.readingHalted) showFastForwardIcon(rs_.navIcon);
  const bool jumped = rs_.navIcon == NavIcon::FastForward || rs_.navIcon == NavIcon::Rewind;
  rs_.navIcon = jumped || findBarOpen() ? NavIcon::Play : NavIcon::None;
  rs_.SentenceMode = sentenceModeSelected();
}

void TForm1::beginReading() {
  if (!isBannerRunning()) return;
  tmRead->setEnabled(true);
  rs_.readingHalted = false;
  setInfoText("");
  rs_.readerState = ReaderStateKind::Reading;
  UpdatePercent();
}

// --- The document's place -----------------------------------------------------------

void TForm1::savePosition(std::int32_t position) {
  if (place_.savePosition) {
    place_.savePosition(position);
    return;
  }
  if (!es_.DocumentName.empty())
    engine::rememberReadingPosition(settings_.LoadedDocuments, es_.DocumentName, position);
}

void TForm1::restorePosition() {
  if (place_.restorePosition) {
    place_.restorePosition();
    return;
  }
  engine_.restoreSavedPosition(settings_.LoadedDocuments);
}

// --- The end of the document -------------------------------------------------------

void TForm1::treatEOF() {
  tmRead->setEnabled(false);
  rs_.readingHalted = true;
  stopTimers();
  toggleInfoTextColor();
  savePosition(es_.FrameStartPosition < 1 ? 0 : es_.FrameStartPosition);

  // Looping needs something to read, and a restart that ends at once again
  // must not restart itself without end.
  const bool loop = settings_.LoopMode && !rs_.loopRestartRunning && engine::beforeEnd(es_, 1);
  if (loop) {
    rs_.loopRestartRunning = true;
    fevhRestart();
    rs_.loopRestartRunning = false;
  } else {
    setPauseItemCaption("Restart");
    rs_.readerState = ReaderStateKind::Ended;
    if (infoText() != HintRestart) setInfoText(HintRestart);
    displayEOF();
    if (observer_) observer_->documentEnded();
  }
  tmRead->setInterval(1000);
}

void TForm1::displayEOF() {
  if (isBannerRunning()) {
    clearStatusMessage();
    view_.clearFrame();
    view_.drawEndOfDocument();
  } else {
    view_.drawEndOfDocument();
    setInfoText("");
  }
}

// --- Pause, continue, restart ---------------------------------------------------------

void TForm1::fevhStopOrContinue() {
  if (rs_.menuGuard) {
    rs_.menuGuard = false;
    return;
  }
  switch (rs_.readerState) {
  case ReaderStateKind::Reading:
    view_.displayOnActivate();
    stopTimers();
    tmRead->setEnabled(false);
    rs_.readingHalted = true;
    setInfoText(HintContinue);
    rs_.readerState = ReaderStateKind::Paused;
    setPauseItemCaption("Continue");
    view_.setProgressPanelVisible(true);
    updateLabels();
    break;
  case ReaderStateKind::Paused:
    rs_.readingHalted = false;
    tmRead->setEnabled(true);
    setInfoText("");
    setPauseItemCaption("Pause");
    rs_.readerState = ReaderStateKind::Reading;
    break;
  case ReaderStateKind::Ended: {
    rs_.readingHalted = false;
    tmRead->setEnabled(true);
    setInfoText("");
    setPauseItemCaption("Pause");
    rs_.readerState = ReaderStateKind::Reading;
    const std::int64_t remaining =
        static_cast<std::int64_t>(es_.DocumentLength) - es_.CurrentPosition;
    if (remaining < 11)
      fevhGoToStart();
    else
      tmReadTimer();
    break;
  }
  case ReaderStateKind::Starting:
  case ReaderStateKind::PastEnd:
    break;
  }
}

void TForm1::fevhRestart() {
  closeFindBar();
  view_.clearFrame();
  tmRead->setEnabled(true);
  rs_.readingHalted = false;
  engine_.goToStart();
  rs_.readerState = ReaderStateKind::Reading;
  tmReadTimer();
}

// --- Speed steps -------------------------------------------------------------------

void TForm1::increaseSpeed() {
  settings_.WordsPerMinute =
      static_cast<std::int16_t>(std::min(settings_.WordsPerMinute + SpeedStep, MaxSpeed));
  updateLabels();
}

void TForm1::decreaseSpeed() {
  settings_.WordsPerMinute =
      static_cast<std::int16_t>(std::max(settings_.WordsPerMinute - SpeedStep, MenuMinSpeed));
  updateLabels();
}

void TForm1::speedUpKey() {
  if (!isBannerRunning()) return;
  int speed = settings_.WordsPerMinute;
  if (speed < MaxSpeed) {
    if (speed < MaxSpeed - 9) speed += SpeedStep;
    speed = std::min(speed, MaxSpeed);
  }
  settings_.WordsPerMinute = static_cast<std::int16_t>(speed);
  updateLabels();
  if (settings_.SpeedSettingsSelection == engine::SpeedSelection::Automatic) {
    reader::SetWPSLPS(settings_, automatic_);
    setNumerOfLines();
  }
}

void TForm1::speedDownKey() {
  if (!isBannerRunning()) return;
  if (settings_.WordsPerMinute > MenuMinSpeed)
    settings_.WordsPerMinute = static_cast<std::int16_t>(settings_.WordsPerMinute - SpeedStep);
  updateLabels();
  if (settings_.SpeedSettingsSelection == engine::SpeedSelection::Automatic) {
    reader::SetWPSLPS(settings_, automatic_);
    setNumerOfLines();
  }
}

// --- Menus -------------------------------------------------------------------------

void TForm1::enterMenuLoop() {
  if (layout_.fullScreen) return;
  rs_.navIcon = NavIcon::Play;
  tmRead->setEnabled(false);
  rs_.readingHalted = true;
  fade_.menuLoopActive = true;
}

void TForm1::exitMenuLoop() {
  fade_.menuLoopActive = false;
  beginReading();
}

// --- A new document ------------------------------------------------------------------

void TForm1::prepareStart(bool autoStart) {
  setNumerOfLines();
  if (autoStart) {
    setInfoText("");
    rs_.readerState = ReaderStateKind::Starting;
  } else {
    tmRead->setEnabled(false);
    rs_.readingHalted = true;
    rs_.startPending = true;
    rs_.readerState = ReaderStateKind::Paused;
  }
  view_.clearFrame();
}

void TForm1::startPreparedDocument() {
  if (!isBannerRunning()) return;
  if (rs_.readerState == ReaderStateKind::Starting) {
    restorePosition();
    rs_.readingHalted = false;
    tmRead->setEnabled(true);
    tmReadTimer();
    if (rs_.readerState == ReaderStateKind::Ended) return; // the document ended at once
    showFastForwardIcon(NavIcon::Play);
    setInfoText("");
    rs_.readerState = ReaderStateKind::Reading;
    return;
  }
  if (!rs_.startPending) return;
  rs_.readerState = ReaderStateKind::Ended;
  setInfoText(HintStart);
  restorePosition();
  tmRead->setEnabled(false);
  if (readFrame()) {
    stopTimers();
    view_.displayOnActivate();
  }
  rs_.startPending = false;
  rs_.readingHalted = true;
}

} // namespace reader
