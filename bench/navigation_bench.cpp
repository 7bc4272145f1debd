// The cost of one navigation or find step in a large document. Each step
// starts from the middle of the text (LUMETRA_BENCH_TEXT names the file,
// else a generated text of about 10 MB) and is reported next to a reference
// measured in the same run: one pass of std::count over the whole text, the
// least any step that looked at every byte would cost.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/engine_state.h"
#include "engine/search.h"
#include "engine/settings_record.h"
#include "engine/text_engine.h"
#include "platform/fixed_width_measure.h"

namespace {

// Paragraphs of sentences built from a fixed word list with a fixed seed,
// ended by `paragraphEnd`.
std::string generatedText(std::size_t size, const char* paragraphEnd) {
  static const char* const Words[] = {"the",   "reader", "moved", "slowly", "across", "a",
                                      "quiet", "field",  "of",    "words",  "and",    "every",
                                      "line",  "turned", "into",  "light",  "Mr.",    "Smith"};
  std::string text;
  text.reserve(size + 64);
  unsigned seed = 7;
  int inSentence = 0, inParagraph = 0;
  while (text.size() < size) {
    seed = seed * 1103515245u + 12345u;
    text += Words[(seed >> 16) % std::size(Words)];
    if (++inSentence < 12) {
      text += ' ';
      continue;
    }
    inSentence = 0;
    text += ". ";
    if (++inParagraph == 6) inParagraph = 0, text += paragraphEnd;
  }
  return text;
}

const std::string& benchText() {
  static const std::string text = [] {
    if (const char* named = std::getenv("LUMETRA_BENCH_TEXT")) {
      std::ifstream in(named, std::ios::binary);
      std::string body((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      std::replace(body.begin(), body.end(), '\n', '\r');
      return body;
    }
    return generatedText(10u << 20, "\r\r");
  }();
  return text;
}

// Paragraphs ended by a single line break: no blank line to stop at.
const std::string& textWithoutBlankLines() {
  static const std::string text = generatedText(10u << 20, "\r");
  return text;
}

// A document loaded once; each step starts from the middle of it.
struct Document {
  engine::EngineState state;
  engine::SettingsRecord settings;
  platform::FixedWidthMeasure measure{9, 20};
  engine::TextEngine engine{state, settings, measure};
  std::int32_t middle = 1;

  explicit Document(const std::string& text) {
    settings.LinesPerScreen = 1, settings.WordsPerScreen = 3;
    engine::setDocumentText(state, text);
    state.LinesInFrame = 1;
    state.bannerTextWidth = 780;
    middle = static_cast<std::int32_t>(text.size() / 2);
  }
  void toMiddle() {
    state.CurrentPosition = state.FrameStartPosition = state.LineStartPosition = middle;
    state.WordStartPosition = middle;
  }
};

template <typename Step>
void measureStep(benchmark::State& st, Step step, const std::string& text = benchText()) {
  static Document document(text);
  for (auto _ : st) {
    st.PauseTiming();
    document.toMiddle();
    st.ResumeTiming();
    step(document);
    benchmark::DoNotOptimize(document.state.CurrentPosition);
  }
  st.counters["MB"] = static_cast<double>(text.size()) / 1e6;
}

void BM_ReferenceCountPass(benchmark::State& st) {
  const std::string& text = benchText();
  for (auto _ : st)
    benchmark::DoNotOptimize(std::count(text.begin(), text.end(), '\r'));
  // Every run carries the same counters (the CSV report needs them all).
  st.counters["MB"] = static_cast<double>(text.size()) / 1e6;
}
void BM_NextParagraph(benchmark::State& st) {
  measureStep(st, [](Document& d) { d.engine.nextParagraph(); });
}
void BM_PreviousParagraph(benchmark::State& st) {
  measureStep(st, [](Document& d) { d.engine.previousParagraph(); });
}
void BM_NextParagraphWithoutBlankLines(benchmark::State& st) {
  measureStep(
      st, [](Document& d) { d.engine.nextParagraph(); }, textWithoutBlankLines());
}
void BM_PreviousParagraphWithoutBlankLines(benchmark::State& st) {
  measureStep(
      st, [](Document& d) { d.engine.previousParagraph(); }, textWithoutBlankLines());
}
void BM_NextFrame(benchmark::State& st) {
  measureStep(st, [](Document& d) { d.engine.nextFrames(1); });
}
void BM_PreviousFrame(benchmark::State& st) {
  measureStep(st, [](Document& d) { d.engine.previousFrame(); });
}
void BM_GoToEnd(benchmark::State& st) {
  measureStep(st, [](Document& d) { d.engine.goToEnd(); });
}
void BM_FindNextPresent(benchmark::State& st) {
  measureStep(st, [](Document& d) {
    engine::SearchState search;
    engine::findNext(d.engine, search, "light");
  });
}
void BM_FindNextAbsent(benchmark::State& st) {
  measureStep(st, [](Document& d) {
    engine::SearchState search;
    search.LastMatch = -1; // from the start: the whole document is searched
    engine::findNext(d.engine, search, "zebra");
  });
}

BENCHMARK(BM_ReferenceCountPass)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NextParagraph)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PreviousParagraph)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NextParagraphWithoutBlankLines)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PreviousParagraphWithoutBlankLines)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NextFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PreviousFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GoToEnd)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindNextPresent)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindNextAbsent)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
