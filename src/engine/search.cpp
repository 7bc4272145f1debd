#include "engine/search.h"

#include <algorithm>
#include <utility>

#include "engine/char_classes.h"
#include "engine/text_engine.h"
#include "engine/text_helpers.h"

namespace engine {

namespace {

std::string_view documentView(const EngineState& st) {
  const std::string_view text = st.DocumentText;
  return text.substr(0, std::min<std::size_t>(text.size(), st.DocumentLength));
}

bool holdsMarker(std::string_view s) {
  return s.find(HighlightMarker) != std::string_view::npos;
}

bool frameHoldsMarker(const EngineState& st) {
  return std::any_of(st.FrameLines.begin(), st.FrameLines.end(),
                     [](const std::string& line) { return holdsMarker(line); });
}

// Start of the word before the one that begins at s (s itself at the start).
std::int32_t previousWordStart(std::string_view text, std::int32_t s) {
  std::int64_t i = std::min<std::int64_t>(s, static_cast<std::int64_t>(text.size()) + 1) - 1;
  while (i >= 1 && isWordSeparator(text[i - 1]))
    --i;
  while (i >= 1 && !isWordSeparator(text[i - 1]))
    --i;
  return static_cast<std::int32_t>(std::max<std::int64_t>(i + 1, 1));
}

// Saves the engine state apart from the document, so that trial reads can
// be undone without copying the text.
class StateSnapshot {
public:
  explicit StateSnapshot(EngineState& st) : st_(st) {
    std::string text = std::move(st_.DocumentText);
    saved_ = st_;
    st_.DocumentText = std::move(text);
  }
  void restore() {
    std::string text = std::move(st_.DocumentText);
    st_ = saved_;
    st_.DocumentText = std::move(text);
  }

private:
  EngineState& st_;
  EngineState saved_;
};

std::uint8_t wordsPerLine(const SettingsRecord& settings) {
  return std::clamp<std::uint8_t>(settings.WordsPerScreen, 1, 6);
}

void clearFrame(EngineState& st) {
  st.FrameStartPosition = st.CurrentPosition;
  st.SentenceEnd = st.RowBreak = st.HeadingFound = false;
  for (auto& line : st.FrameLines)
    line.clear();
  st.FrameText.clear();
  st.LineIndex = 0;
  st.LineStartPosition = st.CurrentPosition;
}

// The frame reader used when the reader window gives none: whole lines up to
// LinesInFrame, ending early at a heading.
void defaultReadFrame(TextEngine& engine) {
  EngineState& st = engine.state();
  clearFrame(st);
  const std::uint8_t words = wordsPerLine(engine.settings());
  if (engine.settings().ReadingMode == ReadingModeKind::Sentence) {
    engine.readLine(words);
    return;
  }
  const int lines = std::clamp<int>(st.LinesInFrame, 1, MaxFrameLines);
  while (st.LineIndex < lines &&
         !atOrPastEnd(st, static_cast<std::int64_t>(st.CurrentPosition) - 1)) {
    const std::int32_t before = st.CurrentPosition;
    std::string line = engine.readLine(words);
    if (st.LineIndex > 0) st.FrameText += '\r';
    st.FrameText += line;
    st.FrameLines[st.LineIndex] = std::move(line);
    ++st.LineIndex;
    if (st.HeadingFound || st.CurrentPosition <= before) break;
    if (st.SentenceEnd || st.RowBreak) {
      st.LineStartPosition = st.CurrentPosition;
      st.SentenceEnd = st.RowBreak = false;
    }
  }
}

// Whether one line read from `start` reaches the marker. Leaves no trace.
bool lineFromReachesMarker(TextEngine& engine, std::int32_t start) {
  EngineState& st = engine.state();
  StateSnapshot snapshot(st);
  st.CurrentPosition = start;
  clearFrame(st);
  const std::string line = engine.readLine(wordsPerLine(engine.settings()));
  const bool reached = holdsMarker(line) || frameHoldsMarker(st);
  snapshot.restore();
  return reached;
}

// The earliest word start, at most MaxSearchStepBack characters before the
// match word, from which the first line still reaches the match.
std::int32_t frameStartForMatch(TextEngine& engine, std::int32_t matchWord) {
  const std::string_view text = documentView(engine.state());
  std::int32_t start = matchWord;
  for (;;) {
    const std::int32_t earlier = previousWordStart(text, start);
    if (earlier >= start || matchWord - earlier > MaxSearchStepBack) break;
    if (!lineFromReachesMarker(engine, earlier)) break;
    start = earlier;
  }
  return start;
}

void buildMatchFrame(TextEngine& engine, std::int32_t matchWord, const FrameReader& readFrame) {
  EngineState& st = engine.state();
  const bool countWords = st.CountWords;
  st.CountWords = false;
  const auto read = [&] {
    if (readFrame)
      readFrame();
    else
      defaultReadFrame(engine);
  };
  st.CurrentPosition = frameStartForMatch(engine, matchWord);
  read();
  if (!frameHoldsMarker(st)) {
    st.CurrentPosition = matchWord;
    read();
  }
  st.CountWords = countWords;
}

// Takes the marker out of the document whatever happens while the frame is
// built.
class MarkerGuard {
public:
  MarkerGuard(EngineState& st, std::int32_t p) : st_(st), p_(p) {}
  ~MarkerGuard() { removeHighlightMarker(st_, p_); }
  MarkerGuard(const MarkerGuard&) = delete;
  MarkerGuard& operator=(const MarkerGuard&) = delete;

private:
  EngineState& st_;
  std::int32_t p_;
};

} // namespace

std::string normaliseSearchText(std::string_view text) {
  return lowerCase(trimView(text));
}

std::int64_t findWholeWord(std::string_view text, std::string_view needle, std::int64_t from) {
  if (needle.empty()) return 0;
  const auto size = static_cast<std::int64_t>(text.size());
  const auto n = static_cast<std::int64_t>(needle.size());
  for (std::int64_t p = findFromCaseInsensitive(text, needle, from); p != 0;
       p = findFromCaseInsensitive(text, needle, p + 1)) {
    const bool startsWord = p == 1 || !isAlphanumeric(text[p - 2]);
    const std::int64_t after = p + n; // 1-based position just past the match
    const bool endsWord = after > size || !isAlphanumeric(text[after - 1]);
    if (startsWord && endsWord) return p;
  }
  return 0;
}

bool insertHighlightMarker(EngineState& state, std::int32_t p) {
  if (p < 1 || static_cast<std::size_t>(p) > state.DocumentText.size() + 1) return false;
  state.DocumentText.insert(static_cast<std::size_t>(p) - 1, 1, HighlightMarker);
  ++state.TextLength;
  ++state.DocumentLength;
  return true;
}

bool removeHighlightMarker(EngineState& state, std::int32_t p) {
  if (p < 1 || static_cast<std::size_t>(p) > state.DocumentText.size()) return false;
  if (state.DocumentText[static_cast<std::size_t>(p) - 1] != HighlightMarker) return false;
  state.DocumentText.erase(static_cast<std::size_t>(p) - 1, 1);
  --state.TextLength;
  --state.DocumentLength;
  return true;
}

bool markHighlightInLine(std::string& line) {
  const std::size_t at = line.find(HighlightMarker);
  if (at == std::string::npos) return false;
  line.replace(at, 1, HighlightToken);
  return true;
}

HighlightSplit splitHighlightedLine(std::string_view line, std::string_view searchText) {
  HighlightSplit split;
  const std::size_t token = line.find(HighlightToken);
  if (token == std::string_view::npos) {
    split.before = std::string(line);
    return split;
  }
  std::string plain(line.substr(0, token));
  plain += line.substr(token + HighlightToken.size());
  const std::string needle = normaliseSearchText(searchText);
  const std::int64_t at = findWholeWord(plain, needle, static_cast<std::int64_t>(token) + 1);
  if (at == 0) {
    split.before = std::move(plain);
    return split;
  }
  const auto start = static_cast<std::size_t>(at - 1);
  split.before = plain.substr(0, start);
  split.match = plain.substr(start, needle.size());
  split.after = plain.substr(start + needle.size());
  split.found = true;
  return split;
}

void beginFind(SearchState& search, SettingsRecord& settings) {
  if (search.FindActive) return;
  search = SearchState{};
  search.FindActive = true;
  search.SkimWasOn = settings.CompressorStatus;
  settings.CompressorStatus = false;
}

void endFind(SearchState& search, SettingsRecord& settings) {
  if (search.SkimWasOn) settings.CompressorStatus = true;
  search = SearchState{};
}

void offerSearchRestart(SearchState& search) {
  search.LastMatch = -1;
}

SearchOutcome findNext(TextEngine& engine, SearchState& search, std::string_view searchText,
                       const FrameReader& readFrame) {
  EngineState& st = engine.state();
  const std::string needle = normaliseSearchText(searchText);
  SearchOutcome outcome;

  std::int64_t start = 1;
  bool searchable = true;
  if (search.LastMatch == 0) {
    search.FindStart = st.FrameStartPosition;
    search.LastMatch = 1;
    start = st.FrameStartPosition;
    if (start < 1 || atOrPastEnd(st, start)) start = 1;
  } else if (search.LastMatch < 0) {
    search.FindCount = 0;
    start = 1;
  } else {
    start = static_cast<std::int64_t>(search.LastMatch) + 1;
    searchable = !atOrPastEnd(st, start);
  }
  outcome.startedAt = static_cast<std::int32_t>(start);

  const std::int64_t p = searchable ? findWholeWord(documentView(st), needle, start) : 0;
  if (p == 0) {
    st.CurrentPosition = search.FindStart;
    outcome.offerRestart = search.FindCount >= 1 || start != 1;
    return outcome;
  }

  const auto match = static_cast<std::int32_t>(p);
  search.MatchShown = true;
  if (insertHighlightMarker(st, match)) {
    MarkerGuard guard(st, match);
    std::int32_t word = match;
    while (word > 1 && !isWordSeparator(st.DocumentText[static_cast<std::size_t>(word) - 2]))
      --word;
    st.CurrentPosition = word;
    st.FrameStartPosition = match;
    buildMatchFrame(engine, word, readFrame);
    for (auto& line : st.FrameLines)
      if (markHighlightInLine(line)) break;
    markHighlightInLine(st.FrameText);
  }

  ++search.FindCount;
  search.LastMatch = match + 1;
  outcome.found = true;
  outcome.matchPosition = match;
  return outcome;
}

} // namespace engine
