// Reading speed with AutoSkim, and the cost of the word test and the search on
// a large real text (the fortune collections, repeated to about 1 MB).
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "engine/autoskim.h"
#include "engine/autoskim_words.h"
#include "engine/engine_state.h"
#include "engine/search.h"
#include "engine/settings_record.h"
#include "engine/text_engine.h"
#include "platform/cp1252.h"
#include "platform/fixed_width_measure.h"

namespace {

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::string& largeText() {
  static const std::string text = [] {
    std::string one;
    for (const char* name : {"fortunes", "literature", "riddles"})
      one += readFile(std::string("/usr/share/games/fortunes/") + name);
    if (one.empty()) one = "The cat sat on the mat, and all of the other cats were there.\n";
    one = platform::decodeIncomingText(one);
    one = platform::normaliseLineEnds(one);
    std::string big;
    while (big.size() < (1u << 20))
      big += one;
    return big;
  }();
  return text;
}

// A fresh state holding the text, with a 600-pixel strip and column.
void prepareState(engine::EngineState& st, const std::string& text) {
  st = engine::EngineState{};
  engine::loadDocument(st, text);
  st.bannerTextWidth = 600;
  st.columnTextWidth = 600;
  st.LinesInFrame = 3;
}

engine::SettingsRecord settingsAt(bool skim, int level) {
  engine::SettingsRecord settings;
  settings.CompressorStatus = skim;
  settings.CompresionSetting = static_cast<std::uint8_t>(level);
  settings.CompressorList = engine::presetWordList(level);
  settings.WordsPerScreen = 6;
  settings.LinesPerScreen = 3;
  return settings;
}

// Reads the whole document line by line, as the banner reader does.
void readWholeDocument(benchmark::State& state, bool skim, int level) {
  const std::string& text = largeText();
  engine::EngineState st;
  engine::SettingsRecord settings = settingsAt(skim, level);
  platform::FixedWidthMeasure measure;
  std::int64_t lines = 0;
  for (auto _ : state) {
    prepareState(st, text);
    engine::TextEngine engine(st, settings, measure);
    while (st.CurrentPosition <= static_cast<std::int64_t>(st.DocumentLength)) {
      const std::int32_t before = st.CurrentPosition;
      benchmark::DoNotOptimize(engine.readLine(settings.WordsPerScreen));
      ++lines;
      if (st.CurrentPosition <= before) break; // no progress: stop rather than spin
    }
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
  state.counters["lines"] =
      benchmark::Counter(static_cast<double>(lines), benchmark::Counter::kAvgIterations);
}

void BM_ReadLines_AutoSkimOff(benchmark::State& state) {
  readWholeDocument(state, false, 0);
}
void BM_ReadLines_AutoSkimS90(benchmark::State& state) {
  readWholeDocument(state, true, 0);
}
void BM_ReadLines_AutoSkimS50(benchmark::State& state) {
  readWholeDocument(state, true, 4);
}

std::vector<std::string> wordsOf(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream in(text);
  for (std::string w; in >> w;)
    words.push_back(w);
  return words;
}

// The word test alone, on every word of the text, at the largest preset.
void BM_AutoSkimWord_S50(benchmark::State& state) {
  const std::vector<std::string> words = wordsOf(largeText());
  const engine::SettingsRecord settings = settingsAt(true, 4);
  std::int64_t dropped = 0;
  for (auto _ : state) {
    for (const std::string& w : words) {
      std::string word = w;
      dropped += engine::autoSkimWord(settings, word);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(words.size()));
  state.counters["dropped"] =
      benchmark::Counter(static_cast<double>(dropped), benchmark::Counter::kAvgIterations);
}

// Whole-word search through the whole text, match after match.
void BM_FindWholeWord_AllMatches(benchmark::State& state) {
  const std::string& text = largeText();
  std::int64_t matches = 0;
  for (auto _ : state) {
    for (std::int64_t p = engine::findWholeWord(text, "the", 1); p != 0;
         p = engine::findWholeWord(text, "the", p + 1))
      ++matches;
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
  state.counters["matches"] =
      benchmark::Counter(static_cast<double>(matches), benchmark::Counter::kAvgIterations);
}

// Find Next with the frame built around each match (first 200 matches).
void BM_FindNext_WithFrame(benchmark::State& state) {
  const std::string& text = largeText();
  engine::EngineState st;
  engine::SettingsRecord settings = settingsAt(false, 0);
  platform::FixedWidthMeasure measure;
  for (auto _ : state) {
    prepareState(st, text);
    engine::TextEngine engine(st, settings, measure);
    engine::SearchState search;
    for (int i = 0; i < 200; ++i)
      if (!engine::findNext(engine, search, "the").found) break;
  }
  state.SetItemsProcessed(state.iterations() * 200);
}

} // namespace

BENCHMARK(BM_ReadLines_AutoSkimOff)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLines_AutoSkimS90)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLines_AutoSkimS50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AutoSkimWord_S50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindWholeWord_AllMatches)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNext_WithFrame)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
