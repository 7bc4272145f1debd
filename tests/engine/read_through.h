// Test and fuzz helper: reads a whole document frame by frame the way the
// reader window does (banner frames, sentence frames or column lines), then
// steps back frame by frame to the start, checking that every step moves.
#pragma once

#include <cstdint>
#include <string>

#include "engine/engine_state.h"
#include "engine/settings_record.h"
#include "engine/text_engine.h"

namespace engine::testing {

struct ReadThrough {
  std::int64_t framesForward = 0;
  std::int64_t framesBack = 0;
  std::string error; // empty when every step made progress
};

// One banner or sentence frame as the reader's readFrame builds it.
inline bool readOneFrame(TextEngine& engine, EngineState& s, const SettingsRecord& settings) {
  s.FrameStartPosition = s.CurrentPosition;
  s.SentenceEnd = s.RowBreak = s.HeadingFound = false;
  s.LineIndex = 0;
  for (auto& l : s.FrameLines)
    l.clear();
  s.LineStartPosition = s.CurrentPosition;
  if (atOrPastEnd(s, s.CurrentPosition)) return false;
  s.CountWords = true;
  const std::uint8_t lines = s.LinesInFrame < 1 ? 1 : s.LinesInFrame;
  while (s.LineIndex < lines && !s.HeadingFound && !s.RowBreak && !s.SentenceEnd &&
         beforeEnd(s, s.CurrentPosition)) {
    const std::string line = engine.readLine(settings.WordsPerScreen);
    if (settings.ReadingMode == ReadingModeKind::Sentence) {
      s.LineIndex = lines; // the engine filled the frame lines itself
    } else {
      if (s.LineIndex < MaxFrameLines) s.FrameLines[s.LineIndex] = line;
      ++s.LineIndex;
    }
    if (s.SentenceEnd || s.RowBreak) {
      s.LineStartPosition = s.CurrentPosition;
      if (!s.HeadingFound && s.LineIndex < lines) s.SentenceEnd = s.RowBreak = false;
    }
  }
  s.CountWords = false;
  return true;
}

inline ReadThrough readThrough(TextEngine& engine, EngineState& s, const SettingsRecord& settings) {
  ReadThrough r;
  const auto size = static_cast<std::int64_t>(s.DocumentText.size());
  const std::int64_t limit = size + 16;
  const bool columns = settings.ReadingMode == ReadingModeKind::Single ||
                       settings.ReadingMode == ReadingModeKind::Double;
  // Forward.
  while (true) {
    const std::int32_t before = s.CurrentPosition;
    if (columns) {
      if (static_cast<std::int64_t>(s.DocumentLength) - s.CurrentPosition + 1 < 2 ||
          s.CurrentPosition >= size)
        break;
      engine.readColumnLine();
    } else if (!readOneFrame(engine, s, settings)) {
      break;
    }
    ++r.framesForward;
    if (s.CurrentPosition <= before) {
      r.error = "no progress forward at " + std::to_string(before);
      return r;
    }
    if (s.CurrentPosition < 1 || s.CurrentPosition > size) {
      r.error = "position out of the text: " + std::to_string(s.CurrentPosition);
      return r;
    }
    if (r.framesForward > limit) {
      r.error = "too many frames forward";
      return r;
    }
  }
  // Back to the start.
  s.PreviousFrameStart = -1;
  s.FrameStartPosition = s.CurrentPosition;
  while (s.FrameStartPosition > 1) {
    const std::int32_t before =
        s.PreviousFrameStart > 0 ? s.PreviousFrameStart : s.FrameStartPosition;
    engine.previousFrame();
    ++r.framesBack;
    if (s.FrameStartPosition >= before && s.FrameStartPosition != 1) {
      r.error = "no progress back at " + std::to_string(before);
      return r;
    }
    if (s.CurrentPosition < 1 || s.CurrentPosition > size + 1) {
      r.error = "position out of the text going back: " + std::to_string(s.CurrentPosition);
      return r;
    }
    if (r.framesBack > limit) {
      r.error = "too many frames back";
      return r;
    }
  }
  return r;
}

} // namespace engine::testing
