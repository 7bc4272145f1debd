// The fades of TForm1. Banner modes: each frame fades in from the background
// colour in ten steps, holds, and fades out in ten steps before the next
// frame. Column modes: a page fades out in ten steps of 40 ms and the next
// page follows at once, at full strength.
#include <algorithm>
#include <cmath>
#include <utility>

#include "reader/tform1.h"

namespace reader {

int TForm1::fadeStepLength() const {
  const int speed = settings_.WordsPerMinute;
  if (settings_.ReadingMode == engine::ReadingModeKind::Sentence) {
    if (speed <= 100) return 10;
    if (speed <= 200) return 8;
    if (speed <= 300) return 6;
    if (speed <= 400) return 4;
    return 2;
  }
  // A tenth of a full frame's time, split in ten steps, at most 20 ms.
  const int effective = std::max<int>(rs_.EffectiveWordsPerMinute, 1);
  const double fullFrame =
      std::floor(60000.0 / effective * settings_.LinesPerScreen * settings_.WordsPerScreen);
  const double step = std::floor(fullFrame / 100.0);
  return static_cast<int>(std::clamp(step, 0.0, 20.0));
}

void TForm1::stopTimers() {
  tmFade->setEnabled(false);
  tmFadeIn->setEnabled(false);
  fade_.fadeLevel = FullFadeLevel;
  fade_.fadeInDone = true;
  fade_.fadeOutDone = true;
}

void TForm1::startFadeIn() {
  if (settings_.WordsPerMinute <= 500) tmFadeIn->setInterval(std::max(fadeStepLength(), 1));
  view_.clearFrame();
  if (tmFadeIn->Interval() <= 1) {
    writeCurrentFrame();
    fade_.fadeInDone = true;
  } else {
    fade_.fadeInDone = false;
  }
  fade_.fadeInCountdown = 10;
  tmFadeIn->setEnabled(true);
  tmFadeInTimer();
}

void TForm1::tmFadeInTimer() {
  if (!fade_.fadeInDone) {
    fade_.fadeInCountdown = std::max(fade_.fadeInCountdown - 1, 0);
    fade_.fadeLevel = FullFadeLevel - fade_.fadeInCountdown;
    view_.drawFrame(fade_.fadeLevel);
    if (fade_.fadeInCountdown == 0) fade_.fadeInDone = true;
    return;
  }
  // Faded in: park the frame timer and wait for the fade-out.
  tmFadeIn->setEnabled(false);
  if (settings_.WordsPerMinute <= 500) {
    const int step = std::max(fadeStepLength(), 1);
    tmFade->setInterval(step);
    tmStartFade->setInterval(std::max(tmRead->Interval() - 10 * step, 1));
  }
  tmRead->setInterval(ParkedReadInterval);
  // Restart the wait even when the timer still ran with the same interval.
  tmStartFade->setEnabled(false);
  tmStartFade->setEnabled(true);
  fade_.fadeOutStep = 0;
  fade_.fadeInCountdown = 10;
  fade_.fadeOutDone = false;
}

void TForm1::tmStartFadeTimer() {
  // A fade-out already under way (its closing tick included) goes on: starting
  // it again would switch it off while the frame timer is off, and reading
  // would never resume.
  if (tmFade->Enabled()) return;
  if (!fade_.menuLoopActive && tmRead->Enabled()) {
    tmFade->setEnabled(true);
    tmFadeTimer();
  } else {
    tmFade->setEnabled(false);
  }
}

void TForm1::tmFadeTimer() {
  if (!fade_.fadeOutDone) {
    tmRead->setEnabled(false);
    ++fade_.fadeOutStep;
    fade_.fadeLevel = std::max(fade_.fadeSteps - fade_.fadeOutStep, 0);
    if (fade_.fadeOutStep >= fade_.fadeSteps) fade_.fadeOutDone = true;
    view_.drawFrame(fade_.fadeLevel);
    return;
  }
  tmFade->setEnabled(false);
  tmRead->setEnabled(true);
  tmReadTimer();
}

// --- Page fade ----------------------------------------------------------------------

void TForm1::initializeFade(int pages) {
  if (page_.pageAtEnd) return;
  view_.clearFrame();
  if (page_.pageTurns >= 3 && !infoText().empty()) setInfoText("");
  fade_.pagesAfterFade = std::max(pages, 1);
  tmFadeStop->setEnabled(false);
  // Restarted even when a fade is under way: the count starts again now.
  tmFadeColumn->setEnabled(false);
  tmFadeColumn->setEnabled(true);
  fade_.fadeOutStep = 0;
  fade_.fadeOutDone = false;
  tmFadeColumnTimer();
}

void TForm1::tmFadeColumnTimer() {
  if (!fade_.fadeOutDone) {
    ++fade_.fadeOutStep;
    fade_.fadeLevel = std::max(FullFadeLevel - fade_.fadeOutStep, 0);
    view_.drawPage(fade_.fadeLevel);
    if (fade_.fadeOutStep >= FullFadeLevel) fade_.fadeOutDone = true;
    return;
  }
  tmFadeColumn->setEnabled(false);
  tmFadeStop->setEnabled(true);
  tmFadeStopTimer();
}

void TForm1::tmFadeStopTimer() {
  tmFadeStop->setEnabled(false);
  const int pages = std::exchange(fade_.pagesAfterFade, 1);
  for (int passed = 1; passed < pages; ++passed) {
    if (!view_.skipColumnPage()) break;
    if (page_.pageAtEnd) {
      // The page passed over is the last: it is the one to show.
      es_.CurrentPosition = page_.pageStart;
      page_.pageAtEnd = false;
      --page_.pageTurns;
      break;
    }
  }
  readColumnFrame();
  // The page that follows the fade stands at full strength.
  fade_.fadeLevel = FullFadeLevel;
  fade_.fadeOutDone = true;
}

void TForm1::stopPageFade() {
  tmFadeColumn->setEnabled(false);
  tmFadeStop->setEnabled(false);
}

} // namespace reader
