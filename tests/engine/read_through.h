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
  const bool columns = settings.ReadingMode == ReadingModeKind::Single ||
                       settings.ReadingMode == ReadingModeKind::Double;
  const auto fail = [&](const char* what, std::int64_t at) {
    r.error = what + std::string(" at ") + std::to_string(at);
    return r;
  };
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
    if (s.CurrentPosition <= before) return fail("no progress forward", before);
    if (s.CurrentPosition < 1 || s.CurrentPosition > size)
      return fail("position out of the text", s.CurrentPosition);
    if (++r.framesForward > size + 16) return fail("too many frames forward", before);
  }
  s.PreviousFrameStart = -1;
  s.FrameStartPosition = s.CurrentPosition;
  while (s.FrameStartPosition > 1) {
    const std::int32_t before =
        s.PreviousFrameStart > 0 ? s.PreviousFrameStart : s.FrameStartPosition;
    engine.previousFrame();
    if (s.FrameStartPosition >= before && s.FrameStartPosition != 1)
      return fail("no progress back", before);
    if (s.CurrentPosition < 1 || s.CurrentPosition > size + 1)
      return fail("position out of the text going back", s.CurrentPosition);
    if (++r.framesBack > size + 16) return fail("too many frames back", before);
  }
  return r;
}

} // namespace engine::testing
