// The fade state of the reader window: the strength a banner frame or a page
// is drawn at while it fades, and how far each fade has come. One value is
// made in main and handed by reference to TForm1; tests make a fresh one per
// case. Levels run from 0 (background colour) to 10 (full strength).
#pragma once

#include <cstdint>

namespace reader {

inline constexpr int FullFadeLevel = 10;

struct FadeState {
  int fadeLevel = 0;
  bool fadeInDone = true;
  bool fadeOutDone = true;
  int fadeInCountdown = 10;
  int fadeOutStep = 0;
  std::uint8_t fadeSteps = 10;
  // A menu of the window is open: the fade-out must not start.
  bool menuLoopActive = false;
  // Focus-timer ticks since the hint colour last changed.
  int hintBlinkTicks = 0;
  // Pages the page fade turns when it ends: all but the last pass unseen.
  int pagesAfterFade = 1;
};

} // namespace reader
