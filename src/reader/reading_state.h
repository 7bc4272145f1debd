// The reading state of the reader window: where the reading loop stands
// (reading, paused, ended ...), the pauses armed by the frame on screen, the
// navigation icon of the next tick and the speed frames are timed at. One
// value is made in main and handed by reference to TForm1; tests make a fresh
// one per case. Only the user-interface thread touches it.
#pragma once

#include <cstdint>

namespace reader {

enum class ReaderStateKind : std::uint8_t { Starting, Reading, Ended, Paused, PastEnd };

enum class NavIcon : std::uint8_t { None = 0, Play = 1, FastForward = 2, Rewind = 3 };

struct ReadingState {
  ReaderStateKind readerState = ReaderStateKind::Ended;
  // The frame timer stays off until something resumes reading.
  bool readingHalted = false;
  // A document handed over without AutoStart waits for its first start.
  bool startPending = false;
  // ReadingMode is Sentence; refreshed at the end of every tick.
  bool SentenceMode = false;

  // Pauses armed by the frame on screen and spent by the next tick.
  bool pendingDelay = false;
  bool pendingParagraphDelay = false;
  bool lineSentenceDelay = false;
  // WordCounter at the last paragraph-end decision (small paragraphs).
  std::uint32_t wordsAtLastParagraph = 0;

  NavIcon navIcon = NavIcon::None;

  // Set while a menu item is highlighted or a popup opens: the next
  // pause / continue request only clears it.
  bool menuGuard = false;

  // The speed frames are timed at; recomputed before every frame interval.
  std::int16_t EffectiveWordsPerMinute = 0;

  // The word count last given to setFrameTiming and the interval it set, as
  // observers of the reading loop report them.
  std::int32_t frameTimingWords = 0;
  int frameTimingInterval = 0;

  // Guards the end of the document against restarting itself again and
  // again when looping finds nothing to read.
  bool loopRestartRunning = false;
};

} // namespace reader
