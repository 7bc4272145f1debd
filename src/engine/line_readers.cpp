// The line readers of the text engine: the banner line, the sentence frame
// and the column line. All three take their words through readFittedWord.
#include <algorithm>
#include <array>

#include "engine/autoskim.h"
#include "engine/char_classes.h"
#include "engine/text_engine.h"
#include "engine/text_helpers.h"

namespace engine {

namespace {

// Characters a banner line may hold, by words per line (index 1..6; index 0 holds 0).
constexpr std::array<int, 7> MaxLineChars = {0, 0, 14, 20, 26, 32, 38};

// A run of AutoSkim dots is followed by one space before the next real word.
bool spaceAfterDots(const std::string& line, bool skimDot) {
  return !skimDot && !line.empty() && line.back() == AutoSkimDot;
}

} // namespace

// How a line reader fits a word into its width.
struct TextEngine::WordFit {
  double limit;         // pixels a word may take
  bool limitFits;       // a word exactly as wide as the limit fits
  bool cutForcedBreaks; // a dotted leader wider than the limit is cut too
};

std::string& TextEngine::readWordWithPrefix(std::size_t& prefixLength, bool& skimDot) {
  getNextWord();
  std::string& word = lastWord_.text;
  skimDot = lastWordSkimmed_ && word.size() == 1 && word[0] == AutoSkimDot;
  prefixLength = 0;
  const std::string& t = state_.DocumentText;
  const std::int64_t ws = state_.WordStartPosition;
  const auto len = static_cast<std::int64_t>(t.size());
  std::string prefix;
  if (ws - 2 >= 0 && ws - 2 < len && t[ws - 2] == '\t') {
    prefix = "   ";
    state_.NewParagraphPending = true;
  }
  if (ws - 3 >= 0 && ws - 3 < len && t[ws - 3] == '\t') prefix += ' ';
  if (state_.RowBreak) state_.NewParagraphPending = false;
  prefixLength = prefix.size();
  if (!prefix.empty()) word.insert(0, prefix);
  return word;
}

std::string TextEngine::splitLongWord(const std::string& word, std::size_t prefixLength,
                                      double limit) {
  // Longest start of the word that, with a hyphen, fits the limit.
  std::size_t lo = 0;
  std::size_t hi = word.size();
  while (lo < hi) {
    const std::size_t mid = (lo + hi + 1) / 2;
    if (textWidth(word.substr(0, mid) + "-") <= limit)
      lo = mid;
    else
      hi = mid - 1;
  }
  std::size_t taken = std::max(lo, prefixLength + 1); // always take one character of the word
  if (taken >= word.size()) return word;
  const std::size_t mapIndex = taken - prefixLength;
  // The scan depends on the text and the settings only for the characters
  // and their positions, so the same scan gives the last word's positions.
  const std::vector<std::int32_t> map = scan(lastStart_, true).map;
  std::int32_t rest = mapIndex < map.size() ? map[mapIndex] : state_.CurrentPosition;
  if (rest <= state_.WordStartPosition) rest = state_.WordStartPosition + 1;
  if (rest >= lastNext_) return word; // the cut falls after the word's own characters
  // The rest is read as the next word: the flags of the whole word do not
  // belong to its first part.
  state_.CurrentPosition = rest;
  state_.SentenceEnd = false;
  state_.RowBreak = false;
  state_.ForceBreak = false;
  state_.LineBreakCount = 0;
  state_.MultiBreak = false;
  std::string shown = word.substr(0, taken);
  if (isAlphanumeric(shown.back())) shown += '-';
  return shown;
}

// Reads the next word with its indentation and, when it is too wide for the
// fit, cuts it with a hyphen; the rest is read as the next word, and a
// heading flag raised by the whole word goes with the rest.
const std::string& TextEngine::readFittedWord(const WordFit& fit, bool& skimDot) {
  const bool headingBefore = state_.HeadingFound;
  std::size_t prefixLength = 0;
  std::string& word = readWordWithPrefix(prefixLength, skimDot);
  if (skimDot || (state_.ForceBreak && !fit.cutForcedBreaks)) return word;
  const double width = textWidth(word);
  if (fit.limitFits ? width <= fit.limit : width < fit.limit) return word;
  std::string cut = splitLongWord(word, prefixLength, fit.limit);
  if (cut != word) {
    state_.HeadingFound = headingBefore;
    word = std::move(cut);
  }
  return word;
}

double TextEngine::nextWordWidth() const {
  return textWidth(nextWordText(state_, state_.CurrentPosition));
}

bool TextEngine::punctuatedBreakDue(std::int32_t words) {
  const int lines = settings_.LinesPerScreen;
  const int perLine = settings_.WordsPerScreen;
  if (lines == 1 && perLine >= 1 && perLine <= 3) return true;
  const std::int32_t remaining = lines * perLine - words - perLine * state_.LineIndex;
  return remaining < 3 && remaining < wordsToSentenceEnd(remaining + 1);
}

// Words up to and including the next sentence end or row break, counted up
// to `limit`.
std::int32_t TextEngine::wordsToSentenceEnd(std::int32_t limit) const {
  std::int32_t count = 0;
  std::int32_t p = state_.CurrentPosition;
  const std::int32_t end = endPosition();
  while (count < limit && p < end) {
    const WordScan ahead = scan(p, false);
    if (!ahead.skimmed) ++count;
    if (ahead.sentenceEnd || ahead.rowBreak || ahead.endReached || ahead.next <= p) break;
    p = ahead.next;
  }
  return count;
}

std::string TextEngine::readBannerLine(std::uint8_t wordsPerLine, std::string_view prefix) {
  EngineState& s = state_;
  s.RowBreak = s.HeadingFound = s.LineFull = s.SentenceEnd = false;
  s.LineChars = 0;
  s.LineSpaces = 0;
  if (!quiet_) s.PreviousFrameStart = -1;
  std::int32_t words = 0;
  std::string line(prefix);
  const int maxChars = MaxLineChars[std::min<int>(wordsPerLine, 6)];
  const double width = s.bannerTextWidth;
  const WordFit fit{width - 20, true, true};
  while (words < wordsPerLine && !s.RowBreak && !s.LineFull && !s.SentenceEnd && !s.HeadingFound &&
         !atOrPastEnd(s, static_cast<std::int64_t>(s.CurrentPosition) - 1) &&
         s.CurrentPosition <= scanLength() && (stopAt_ == 0 || s.CurrentPosition < stopAt_)) {
    bool dot = false;
    const std::string& word = readFittedWord(fit, dot);
    if (spaceAfterDots(line, dot)) line += ' ';
    line += word;
    s.LineChars += static_cast<std::int32_t>(word.size());
    if (hasSpace(word)) {
      ++s.LineSpaces;
      if (s.LineSpaces <= 2) ++s.LineChars;
    }
    if (!dot) ++words;
    if (isPunctuatedBreak(settings_, word) && punctuatedBreakDue(words)) s.LineFull = true;
    const std::string_view next = nextWordText(s, s.CurrentPosition);
    if (maxChars + 1 < s.LineChars + static_cast<std::int32_t>(next.size()) ||
        textWidth(line) + textWidth(next) >= width)
      s.LineFull = true;
    if (s.ForceBreak) s.SentenceEnd = s.LineFull = s.RowBreak = true;
  }
  if (s.CountWords) s.WordCounter += static_cast<std::uint32_t>(words);
  s.FrameWordCount += words;
  if (!quiet_) headingTestAfterLine();
  return line;
}

std::string TextEngine::readSentenceLine() {
  EngineState& s = state_;
  s.FrameStartPosition = s.CurrentPosition;
  s.SentenceEnd = s.RowBreak = s.HeadingFound = s.LineFull = false;
  s.MultiBreak = false;
  for (auto& l : s.FrameLines)
    l.clear();
  s.FrameText.clear();
  s.LineChars = 0;
  s.LineSpaces = 0;
  s.LineIndex = 0;
  s.LineStartPosition = s.CurrentPosition;
  if (!quiet_) s.PreviousFrameStart = -1;
  const std::uint8_t lines = framesLines();
  const double limit = s.bannerTextWidth - 10;
  const WordFit fit{limit, false, true};
  std::int32_t read = 0;
  std::int32_t counted = 0;
  std::string line;
  auto storeLine = [&]() {
    if (s.LineIndex < MaxFrameLines) s.FrameLines[s.LineIndex] = line;
    line.clear();
    ++s.LineIndex;
    s.FrameText += '\r';
  };
  while (!s.SentenceEnd && !s.RowBreak && !s.HeadingFound && s.LineIndex < lines &&
         beforeEnd(s, s.CurrentPosition) && s.CurrentPosition < scanLength() &&
         (stopAt_ == 0 || s.CurrentPosition < stopAt_)) {
    bool dot = false;
    const std::string& word = readFittedWord(fit, dot);
    if (spaceAfterDots(line, dot)) {
      line += ' ';
      s.FrameText += ' ';
    }
    line += word;
    s.FrameText += word;
    ++read;
    if (!dot) ++counted;
    if (isListItemNumber(line) && isListItemNumber(peekNextWord())) s.SentenceEnd = true;
    if (s.ForceBreak) {
      storeLine();
      s.SentenceEnd = s.RowBreak = true;
    } else if (!line.empty() && textWidth(line) + nextWordWidth() >= limit) {
      storeLine();
    }
    if (read < 5 && s.LineIndex < lines && (s.SentenceEnd || s.RowBreak) && !s.MultiBreak &&
        rule(RuleCombineSmallSentences)) {
      s.SentenceEnd = s.RowBreak = false;
      if (!line.empty()) storeLine();
    }
  }
  if (!line.empty() && s.LineIndex < MaxFrameLines) s.FrameLines[s.LineIndex] = line;
  if (s.CountWords) s.WordCounter += static_cast<std::uint32_t>(counted);
  s.FrameWordCount = counted;
  if (!quiet_) {
    headingTestAfterLine();
    if (s.HeadingFound && !validateHeading(s.FrameText)) s.HeadingFound = s.HeadingIcon = false;
    if (callbacks_.setFrameTiming) callbacks_.setFrameTiming(counted);
  }
  return s.FrameText;
}

std::string TextEngine::readLine(std::uint8_t wordsPerLine) {
  const SettingsPin pin(*this);
  if (isSentenceMode()) return readSentenceLine();
  state_.FrameWordCount = 0;
  return readBannerLine(wordsPerLine, {});
}

std::string TextEngine::readColumnLine() {
  const SettingsPin pin(*this);
  EngineState& s = state_;
  s.RowBreak = s.HeadingFound = s.LineFull = false;
  s.LineSpaces = 0;
  std::int32_t words = 0;
  std::string line;
  const double width = s.columnTextWidth;
  const WordFit fit{width - 10, false, false};
  while (!s.RowBreak && !s.LineFull && !s.HeadingFound &&
         static_cast<std::int64_t>(s.DocumentLength) - s.CurrentPosition + 1 >= 2 &&
         s.CurrentPosition < scanLength()) {
    bool dot = false;
    const std::string& word = readFittedWord(fit, dot);
    if (s.ForceBreak) {
      s.HeadingText.clear();
      s.HeadingWordCount = 0;
      line += word;
      ++words;
      break;
    }
    s.HeadingText += word;
    ++s.HeadingWordCount;
    if (spaceAfterDots(line, dot)) line += ' ';
    line += word;
    ++words;
    // The next word with any blank words after it, and their line breaks.
    const WordScan ahead = scan(s.CurrentPosition, false);
    const std::string& next = ahead.text;
    // The next word's own line breaks count only when it stands on a line of
    // its own (a title between lines); otherwise the last word of every
    // paragraph would be pushed onto a row by itself.
    int crs = (trimView(next).empty() || s.LineBreakCount > 0) ? ahead.crs : 0;
    std::int32_t p = ahead.next;
    int blanks = 0;
    while (blanks < 64 && p < scanLength() && p > s.CurrentPosition) {
      const WordScan more = scan(p, false);
      if (!trimView(more.text).empty() || more.next <= p) break;
      crs += more.crs;
      p = more.next;
      ++blanks;
    }
    if ((isListItemNumber(s.HeadingText) && isListItemNumber(next)) ||
        (s.SentenceEnd && ahead.crs > 0) || s.LineBreakCount >= 2)
      s.RowBreak = true;
    if (crs > 1) {
      s.RowBreak = true;
      s.LineBreakCount = static_cast<std::uint8_t>(std::min(crs, 255));
    }
    // The next word is measured with its punctuation, as it will be drawn, so
    // that a full line never spills past the column.
    if (textWidth(line) + textWidth(trimView(next)) >= width) s.LineFull = true;
  }
  if (s.CountWords) s.WordCounter += static_cast<std::uint32_t>(words);
  if (s.HeadingFound && s.HeadingWordCount > settings_.HeadingMaxWords) s.HeadingFound = false;
  if (s.RowBreak || s.HeadingFound || s.ForceBreak) {
    s.HeadingText.clear();
    s.HeadingWordCount = 0;
    s.LineStartPosition = s.CurrentPosition;
  }
  return line;
}

} // namespace engine
