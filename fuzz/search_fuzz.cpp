// Random documents read frame by frame with AutoSkim switched on and off at
// random levels, with random searches in between. Checks that nothing reads
// out of bounds or loops, that a search never changes the document, and that
// a highlighted frame line splits back into its parts.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/autoskim_words.h"
#include "engine/engine_state.h"
#include "engine/search.h"
#include "engine/settings_record.h"
#include "engine/text_engine.h"
#include "platform/fixed_width_measure.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

void chooseSkim(FuzzedDataProvider& in, engine::SettingsRecord& settings) {
  settings.CompressorStatus = in.ConsumeBool();
  settings.CompressorReplaceSelection =
      in.ConsumeBool() ? engine::ReplaceSelection::Dots : engine::ReplaceSelection::Hide;
  const int level = in.ConsumeIntegralInRange(0, 5);
  settings.CompresionSetting = static_cast<std::uint8_t>(level);
  if (level == engine::CustomCompressionLevel)
    settings.UserDefinedCompressorSet = in.ConsumeRandomLengthString(64);
  settings.CompressorList = engine::activeCompressorList(level, settings.UserDefinedCompressorSet);
}

void readFrame(engine::TextEngine& engine) {
  engine::EngineState& st = engine.state();
  st.FrameStartPosition = st.CurrentPosition;
  st.SentenceEnd = st.RowBreak = st.HeadingFound = false;
  st.LineStartPosition = st.CurrentPosition;
  st.LineIndex = 0;
  for (auto& line : st.FrameLines)
    line.clear();
  st.FrameText.clear();
  while (st.LineIndex < st.LinesInFrame &&
         st.CurrentPosition <= static_cast<std::int64_t>(st.DocumentLength)) {
    const std::int32_t before = st.CurrentPosition;
    st.FrameLines[st.LineIndex] = engine.readLine(engine.settings().WordsPerScreen);
    ++st.LineIndex;
    if (st.CurrentPosition <= before || st.HeadingFound) break;
    st.SentenceEnd = st.RowBreak = false;
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  engine::SettingsRecord settings;
  settings.WordsPerScreen = in.ConsumeIntegralInRange<std::uint8_t>(1, 6);
  settings.LinesPerScreen = in.ConsumeIntegralInRange<std::uint8_t>(1, 5);
  settings.ReadingMode = static_cast<engine::ReadingModeKind>(in.ConsumeIntegralInRange(0, 3));
  for (auto& rule : settings.GeneralTextRules)
    rule = in.ConsumeBool();
  chooseSkim(in, settings);

  engine::EngineState st;
  st.LinesInFrame = settings.LinesPerScreen;
  st.bannerTextWidth = in.ConsumeIntegralInRange(20, 800);
  st.columnTextWidth = in.ConsumeIntegralInRange(20, 800);
  const std::string text = in.ConsumeRandomLengthString(2048);
  engine::loadDocument(st, text);

  platform::FixedWidthMeasure measure(7, 14);
  engine::TextEngine engine(st, settings, measure);
  engine::SearchState search;

  for (int step = 0; step < 64 && in.remaining_bytes() > 0; ++step) {
    switch (in.ConsumeIntegralInRange(0, 6)) {
    case 0:
    case 1:
      readFrame(engine);
      break;
    case 2:
      chooseSkim(in, settings);
      break;
    case 3: {
      if (!search.FindActive) engine::beginFind(search, settings);
      const std::string wanted = in.ConsumeRandomLengthString(12);
      const engine::SearchOutcome outcome = engine::findNext(engine, search, wanted);
      check(st.DocumentText == text);
      check(st.TextLength == static_cast<std::int32_t>(text.size()));
      check(st.DocumentLength == text.size());
      if (outcome.found) {
        check(outcome.matchPosition >= 1);
        check(static_cast<std::size_t>(outcome.matchPosition) <= text.size());
        for (const auto& line : st.FrameLines) {
          const engine::HighlightSplit split = engine::splitHighlightedLine(line, wanted);
          if (split.found)
            check(split.before.size() + split.match.size() + split.after.size() + 7 == line.size());
        }
      } else if (outcome.offerRestart) {
        engine::offerSearchRestart(search);
      }
      break;
    }
    case 4:
      engine::endFind(search, settings);
      break;
    case 5:
      st.CurrentPosition =
          in.ConsumeIntegralInRange<std::int32_t>(-2, static_cast<std::int32_t>(text.size()) + 2);
      st.FrameStartPosition =
          in.ConsumeIntegralInRange<std::int32_t>(-2, static_cast<std::int32_t>(text.size()) + 2);
      break;
    default:
      settings.CompressorStatus = !settings.CompressorStatus;
      readFrame(engine);
      break;
    }
  }
  return 0;
}
