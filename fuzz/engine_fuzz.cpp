// Fuzzes the text engine: random text read with random rules, modes,
// layouts and widths, every frame forward and then back to the start. Any
// step that makes no progress, leaves the text or crashes is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "../tests/engine/read_through.h"
#include "engine/engine_state.h"
#include "engine/settings_record.h"
#include "engine/text_engine.h"
#include "platform/fixed_width_measure.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 8) return 0;
  // The first eight bytes choose the reading set-up; the rest is the text.
  const std::uint8_t mode = data[0] % 4;
  const std::uint8_t lines = static_cast<std::uint8_t>(1 + data[1] % 5);
  const std::uint8_t perLine = static_cast<std::uint8_t>(1 + data[2] % 6);
  const std::uint32_t rules = data[3] | (data[4] << 8) | ((data[5] & 0x03) << 16);
  const double widths[] = {0, 7, 25, 60, 120, 300, 800, 2000};
  const double width = widths[data[6] % 8];
  const int charWidth = 1 + (data[6] >> 3) % 12;
  const bool raw = data[7] & 1;
  const bool skim = data[7] & 2;
  const engine::SourceKind kind = static_cast<engine::SourceKind>((data[7] >> 2) % 6);

  engine::EngineState state;
  engine::SettingsRecord settings;
  platform::FixedWidthMeasure measure(charWidth, 20);
  engine::EngineCallbacks callbacks;
  callbacks.sourceKind = [kind] { return kind; };
  callbacks.headingFontLarger = [](std::string_view s) { return s.size() % 2 == 0; };
  engine::TextEngine engine(state, settings, measure, callbacks);

  std::string text(reinterpret_cast<const char*>(data + 8), size - 8);
  if (raw)
    engine::loadDocument(state, text);
  else
    engine::setDocumentText(state, text);
  settings.ReadingMode = static_cast<engine::ReadingModeKind>(mode);
  settings.LinesPerScreen = lines;
  settings.WordsPerScreen = perLine;
  for (int r = 0; r < engine::TextRuleCount; ++r)
    settings.GeneralTextRules[r] = (rules >> r) & 1;
  settings.HeadingMaxWords = settings.GeneralTextRules[engine::RuleLongerHeadings] ? 12 : 8;
  settings.CompressorStatus = skim;
  settings.CompressorList = ",the,of,a,to,in,is,you,it,he,was,for,";
  state.LinesInFrame = lines;
  state.bannerTextWidth = width;
  state.columnTextWidth = width;

  const auto result = engine::testing::readThrough(engine, state, settings);
  if (!result.error.empty()) {
    std::fprintf(stderr, "engine_fuzz: %s\n", result.error.c_str());
    std::abort();
  }
  // The navigation primitives on the same text.
  engine.goToEnd();
  if (state.CurrentPosition < 1 ||
      state.CurrentPosition > static_cast<std::int32_t>(state.DocumentText.size()) + 1)
    std::abort();
  engine.previousParagraph();
  engine.nextParagraph();
  engine.nextFrames(3);
  engine.goToStart();
  return 0;
}
