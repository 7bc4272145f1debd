// Reads a multi-megabyte English text frame by frame to the end, in Banner
// 1x3, Banner 3x5 and Sentence mode, and reports megabytes and frames per
// second. The text is the file LUMETRA_BENCH_TEXT names (scripts/bench
// generates one), else the fortune files of the installed fortunes package,
// concatenated and repeated; nothing is downloaded.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "../tests/engine/read_through.h"
#include "engine/autoskim_words.h"
#include "engine/engine_state.h"
#include "engine/settings_record.h"
#include "engine/text_engine.h"
#include "platform/fixed_width_measure.h"

namespace {

constexpr std::size_t TargetSize = 8u << 20;

// Plain text files of the fortunes folder (the .dat index files and anything
// holding a NUL byte are skipped), with CR line ends as the engine expects.
const std::string& englishText() {
  static const std::string text = [] {
    if (const char* named = std::getenv("LUMETRA_BENCH_TEXT")) {
      std::ifstream in(named, std::ios::binary);
      std::string body((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      for (char& c : body)
        if (c == '\n') c = '\r';
      return body;
    }
    std::string all;
    const std::filesystem::path folder = "/usr/share/games/fortunes";
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
      if (!entry.is_regular_file() || entry.path().extension() == ".dat" ||
          entry.path().extension() == ".u8")
        continue;
      std::ifstream in(entry.path(), std::ios::binary);
      std::string body((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      if (body.find('\0') != std::string::npos) continue;
      for (char& c : body)
        if (c == '\n') c = '\r';
      all += body;
      all += '\r';
    }
    if (all.empty()) return all;
    std::string repeated;
    while (repeated.size() < TargetSize)
      repeated += all;
    return repeated;
  }();
  return text;
}

void readToTheEnd(benchmark::State& st, engine::ReadingModeKind mode, int lines, int perLine,
                  bool skim = false) {
  const std::string& text = englishText();
  if (text.empty()) {
    st.SkipWithError("no text under /usr/share/games/fortunes (install the fortunes-min package)");
    return;
  }
  platform::FixedWidthMeasure measure(9, 20);
  std::int64_t frames = 0;
  for (auto _ : st) {
    st.PauseTiming();
    engine::EngineState state;
    engine::SettingsRecord settings;
    settings.ReadingMode = mode;
    settings.LinesPerScreen = static_cast<std::uint8_t>(lines);
    settings.WordsPerScreen = static_cast<std::uint8_t>(perLine);
    settings.CompressorStatus = skim;
    if (skim) settings.CompressorList = engine::presetWordList(4);
    engine::setDocumentText(state, text);
    state.LinesInFrame = static_cast<std::uint8_t>(lines);
    state.bannerTextWidth = 780;
    engine::TextEngine engine(state, settings, measure);
    st.ResumeTiming();
    while (engine::testing::readOneFrame(engine, state, settings))
      ++frames;
    benchmark::DoNotOptimize(state.CurrentPosition);
  }
  st.SetBytesProcessed(static_cast<std::int64_t>(st.iterations()) *
                       static_cast<std::int64_t>(text.size()));
  st.counters["MB/s"] = benchmark::Counter(static_cast<double>(st.iterations()) *
                                               static_cast<double>(text.size()) / 1e6,
                                           benchmark::Counter::kIsRate);
  st.counters["frames/s"] =
      benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
  st.counters["MB"] = static_cast<double>(text.size()) / 1e6;
}

void BM_Banner1x3(benchmark::State& st) {
  readToTheEnd(st, engine::ReadingModeKind::Banner, 1, 3);
}
void BM_Banner1x3AutoSkim(benchmark::State& st) {
  readToTheEnd(st, engine::ReadingModeKind::Banner, 1, 3, true);
}
void BM_Banner3x5(benchmark::State& st) {
  readToTheEnd(st, engine::ReadingModeKind::Banner, 3, 5);
}
void BM_Sentence(benchmark::State& st) {
  readToTheEnd(st, engine::ReadingModeKind::Sentence, 3, 6);
}

BENCHMARK(BM_Banner1x3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Banner1x3AutoSkim)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Banner3x5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sentence)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
