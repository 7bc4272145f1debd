// Test helper: an engine on a fixed-width measure (10 pixels a character)
// that records the frame timings it is asked for.
#pragma once

#include <string>
#include <vector>

#include "engine/engine_state.h"
#include "engine/settings_record.h"
#include "engine/text_engine.h"
#include "platform/fixed_width_measure.h"

namespace engine::testing {

struct EngineFixture {
  EngineState state;
  SettingsRecord settings;
  platform::FixedWidthMeasure measure{10, 20};
  std::vector<std::int32_t> timings;
  SourceKind kind = SourceKind::PlainText;
  TextEngine engine{state, settings, measure, makeCallbacks()};

  EngineCallbacks makeCallbacks() {
    EngineCallbacks c;
    c.setFrameTiming = [this](std::int32_t words) { timings.push_back(words); };
    c.sourceKind = [this] { return kind; };
    return c;
  }

  // The text loaded as the hand-over does, in a wide banner and column.
  explicit EngineFixture(const std::string& text = {}, double width = 10000) {
    setDocumentText(state, text);
    state.bannerTextWidth = state.columnTextWidth = width;
    state.LinesInFrame = 1;
  }

  // The text as it is, without the hand-over's trimming.
  void loadRaw(const std::string& text) { loadDocument(state, text); }

  EngineFixture& layout(ReadingModeKind mode, int lines, int perLine) {
    settings.ReadingMode = mode;
    settings.LinesPerScreen = static_cast<std::uint8_t>(lines);
    settings.WordsPerScreen = static_cast<std::uint8_t>(perLine);
    state.LinesInFrame = static_cast<std::uint8_t>(lines);
    return *this;
  }

  void skim(const std::string& list) {
    settings.CompressorStatus = true;
    settings.CompressorList = list;
    settings.CompressorReplaceSelection = ReplaceSelection::Dots;
  }

  // The 1-based position of the first occurrence of `needle`.
  std::int32_t at(const std::string& needle) const {
    return static_cast<std::int32_t>(state.DocumentText.find(needle)) + 1;
  }

  // Every word from the current position to the end.
  std::vector<std::string> words() {
    std::vector<std::string> out;
    for (int guard = 0; guard < 100000; ++guard) {
      out.push_back(engine.getNextWord());
      if (state.CurrentPosition >= static_cast<std::int32_t>(state.DocumentText.size())) break;
    }
    return out;
  }

  // Every line readLine (or readColumnLine, with perLine 0) gives until the end.
  std::vector<std::string> lines(std::uint8_t perLine) {
    std::vector<std::string> out;
    for (int guard = 0; guard < 1000 && state.CurrentPosition < state.TextLength; ++guard)
      out.push_back(perLine ? engine.readLine(perLine) : engine.readColumnLine());
    return out;
  }
};

// Lines or words joined by '|', to compare with one short literal.
inline std::string joined(const std::vector<std::string>& parts) {
  std::string all;
  for (std::size_t i = 0; i < parts.size(); ++i)
    all += (i ? "|" : "") + parts[i];
  return all;
}

} // namespace engine::testing
