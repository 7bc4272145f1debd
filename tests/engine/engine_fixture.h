// Test helper: a fresh engine on a fixed-width measure (10 pixels a
// character) with the frame timing calls recorded.
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

  // Loads the text as the hand-over does, with a wide banner and column.
  explicit EngineFixture(const std::string& text = {}, double width = 10000) {
    load(text);
    state.bannerTextWidth = width;
    state.columnTextWidth = width;
    state.LinesInFrame = 1;
  }

  void load(const std::string& text) { setDocumentText(state, text); }

  // Puts the text in as it is, without the hand-over's trimming.
  void loadRaw(const std::string& text) { loadDocument(state, text); }

  // The reading mode with its frame of lines x words.
  EngineFixture& layout(ReadingModeKind mode, int lines, int perLine) {
    settings.ReadingMode = mode;
    settings.LinesPerScreen = static_cast<std::uint8_t>(lines);
    settings.WordsPerScreen = static_cast<std::uint8_t>(perLine);
    state.LinesInFrame = static_cast<std::uint8_t>(lines);
    return *this;
  }

  // AutoSkim on with the given word list.
  void skim(const std::string& list, ReplaceSelection mode = ReplaceSelection::Dots) {
    settings.CompressorStatus = true;
    settings.CompressorList = list;
    settings.CompressorReplaceSelection = mode;
  }

  // The 1-based position of the first occurrence of `needle`.
  std::int32_t at(const std::string& needle) const {
    return static_cast<std::int32_t>(state.DocumentText.find(needle)) + 1;
  }

  // Every word of the document, in order, from the current position.
  std::vector<std::string> words(int limit = 100000) {
    std::vector<std::string> out;
    const auto len = static_cast<std::int32_t>(state.DocumentText.size());
    while (limit-- > 0) {
      out.push_back(engine.getNextWord());
      if (state.CurrentPosition >= len) break;
    }
    return out;
  }

  // Every line readLine gives until the end of the document.
  std::vector<std::string> lines(std::uint8_t perLine) {
    std::vector<std::string> out;
    for (int guard = 0; guard < 1000 && state.CurrentPosition < state.TextLength; ++guard)
      out.push_back(engine.readLine(perLine));
    return out;
  }
};

} // namespace engine::testing
