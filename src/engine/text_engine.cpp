#include "engine/text_engine.h"

#include <algorithm>
#include <limits>

#include "engine/abbreviations.h"
#include "engine/autoskim.h"
#include "engine/char_classes.h"
#include "engine/text_helpers.h"
#include "engine/text_rules.h"

namespace engine {

namespace {

// A run of word characters is cut after this many bytes, so that a text
// without separators is still read in bounded steps.
constexpr std::int32_t MaxWordScan = 256;
// How far the sentence step back looks for the previous sentence boundary.
constexpr std::int32_t MaxSentenceStepBack = 4096;

constexpr std::string_view EmptyDocumentText = "The document is empty";

bool endsWithDigit(std::string_view s) {
  return !s.empty() && isDigit(s.back());
}

// Removes the line-break characters; they are reported through counts only.
void dropLineBreaks(std::string& s, std::vector<std::int32_t>* map) {
  std::size_t out = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (isLineBreakChar(s[i])) continue;
    s[out] = s[i];
    if (map) (*map)[out] = (*map)[i];
    ++out;
  }
  s.resize(out);
  if (map) map->resize(out);
}

// Indentation or a run of line breaks longer than three characters at either
// end becomes exactly three spaces.
void normaliseEnds(std::string& s, std::vector<std::int32_t>* map) {
  std::size_t lead = 0;
  while (lead < s.size() && isTrimmable(s[lead]))
    ++lead;
  if (lead > 3) {
    s.replace(0, lead, "   ");
    if (map) {
      const std::int32_t to = (*map)[lead - 1] + 1;
      map->erase(map->begin(), map->begin() + static_cast<std::ptrdiff_t>(lead - 3));
      (*map)[0] = (*map)[1] = (*map)[2] = to;
    }
  }
  std::size_t trail = 0;
  while (trail < s.size() && isTrimmable(s[s.size() - 1 - trail]))
    ++trail;
  if (trail > 3) {
    s.resize(s.size() - trail + 3);
    s[s.size() - 1] = s[s.size() - 2] = s[s.size() - 3] = ' ';
    if (map) map->resize(s.size());
  }
}

} // namespace

// Everything one word scan finds out; applied to the state by getNextWord,
// thrown away by a peek.
struct TextEngine::Scan {
  std::string text;              // the word as shown, with its punctuation
  std::vector<std::int32_t> map; // document position of each character of text
  std::string raw;               // the word without its tail (before AutoSkim)
  std::string tail;              // the separators after the word, line breaks included
  std::int32_t start = 1;
  std::int32_t next = 1; // first character of the next word
  int crs = 0;
  bool sentenceEnd = false;
  bool rowBreak = false;
  bool forceBreak = false;
  bool colonLine = false;
  bool heading = false;
  bool skimmed = false;
  bool endReached = false;
};

struct TextEngine::Flags {
  std::int32_t CurrentPosition, WordStartPosition, LineStartPosition, LastHeadingCheck;
  bool HeadingFound, RowBreak, SentenceEnd, LineFull, MultiBreak, ForceBreak, ColonLine,
      NewParagraphPending, HeadingIcon;
  std::uint8_t LineBreakCount;
};

TextEngine::Flags TextEngine::saveFlags() const {
  const EngineState& s = state_;
  return {s.CurrentPosition, s.WordStartPosition, s.LineStartPosition, s.LastHeadingCheck,
          s.HeadingFound,    s.RowBreak,          s.SentenceEnd,       s.LineFull,
          s.MultiBreak,      s.ForceBreak,        s.ColonLine,         s.NewParagraphPending,
          s.HeadingIcon,     s.LineBreakCount};
}

void TextEngine::restoreFlags(const Flags& f) {
  EngineState& s = state_;
  s.CurrentPosition = f.CurrentPosition;
  s.WordStartPosition = f.WordStartPosition;
  s.LineStartPosition = f.LineStartPosition;
  s.LastHeadingCheck = f.LastHeadingCheck;
  s.HeadingFound = f.HeadingFound;
  s.RowBreak = f.RowBreak;
  s.SentenceEnd = f.SentenceEnd;
  s.LineFull = f.LineFull;
  s.MultiBreak = f.MultiBreak;
  s.ForceBreak = f.ForceBreak;
  s.ColonLine = f.ColonLine;
  s.NewParagraphPending = f.NewParagraphPending;
  s.HeadingIcon = f.HeadingIcon;
  s.LineBreakCount = f.LineBreakCount;
}

TextEngine::TextEngine(EngineState& state, SettingsRecord& settings,
                       const platform::TextMeasure& measure, EngineCallbacks callbacks)
    : state_(state), settings_(settings), measure_(measure), callbacks_(std::move(callbacks)) {}

// ---------------------------------------------------------------------------
// Settings and measuring

bool TextEngine::isSentenceMode() const {
  return settings_.ReadingMode == ReadingModeKind::Sentence;
}
bool TextEngine::isColumnMode() const {
  return settings_.ReadingMode == ReadingModeKind::Single ||
         settings_.ReadingMode == ReadingModeKind::Double;
}
SourceKind TextEngine::sourceKind() const {
  return callbacks_.sourceKind ? callbacks_.sourceKind() : SourceKind::PlainText;
}
bool TextEngine::rule(int index) const {
  return index >= 0 && index < TextRuleCount && settings_.GeneralTextRules[index];
}
std::uint8_t TextEngine::framesLines() const {
  return static_cast<std::uint8_t>(std::clamp<int>(state_.LinesInFrame, 1, MaxFrameLines));
}

platform::FontSpec TextEngine::currentFont() const {
  if (callbacks_.currentFont) return callbacks_.currentFont();
  platform::FontSpec font;
  if (isColumnMode()) {
    font.family = settings_.ColumnFontName;
    font.pointSize = settings_.ColumnFontPointSize;
    font.bold = settings_.ColumnFontStyle == FontStyle::Bold;
  } else {
    font.family = settings_.BannerFontName;
    font.pointSize = settings_.BannerFontPointSize;
    font.bold = settings_.BannerFontStyle == FontStyle::Bold;
  }
  font.antialias = settings_.ClearTypeFont;
  return font;
}

double TextEngine::textWidth(std::string_view text) const {
  return measure_.textWidth(currentFont(), text);
}

// The scanner reads the string itself; loops stop at the document length.
std::int32_t TextEngine::scanLength() const {
  return static_cast<std::int32_t>(
      std::min<std::size_t>(state_.DocumentText.size(), std::numeric_limits<std::int32_t>::max()));
}
std::int32_t TextEngine::endPosition() const {
  return static_cast<std::int32_t>(
      std::min<std::int64_t>(state_.DocumentLength, static_cast<std::int64_t>(scanLength())));
}

// ---------------------------------------------------------------------------
// Word scanner

void TextEngine::scanAt(std::int32_t position, Scan& out, bool withMap) const {
  const std::string& t = state_.DocumentText;
  const std::int32_t len = scanLength();
  auto at = [&](std::int64_t p) -> char { return p >= 1 && p <= len ? t[p - 1] : '\0'; };
  auto has = [&](std::int64_t p) { return p >= 1 && p <= len; };

  std::int32_t p = std::max<std::int32_t>(position, 1);
  out = Scan{};
  out.start = p;
  if (p == 1)
    while (p <= len && isLineBreakChar(at(p)))
      ++p;

  std::string& word = out.raw;
  std::string& tail = out.tail;
  std::vector<std::int32_t> wordPos;
  std::vector<std::int32_t> tailPos;
  bool visible = false; // the word holds more than white space and control characters
  std::int32_t wordChars = 0;
  auto addWord = [&](char c) {
    word += c;
    if (withMap) wordPos.push_back(p);
    if (!isTrimmable(c)) visible = true;
    ++p;
  };

  // The word itself.
  while (p <= len) {
    const char c = at(p);
    if (!isWordSeparator(c)) {
      if (wordChars >= MaxWordScan) break;
      ++wordChars;
      addWord(c);
      continue;
    }
    if (c != '.' && !visible) { // opening marks stay with the word that follows
      addWord(c);
      continue;
    }
    if (c == ',' && endsWithDigit(word)) { // thousands comma
      addWord(c);
      continue;
    }
    if (c == '\'' && has(p + 1) && isAlphanumeric(at(p + 1)) && !word.empty() &&
        isAlphanumeric(word.back())) { // apostrophe inside a word
      addWord(c);
      continue;
    }
    if (endsWithDigit(word) && !isTrimmable(c) && isDigit(at(p + 1)) && has(p + 1)) {
      addWord(c); // decimals, times, dates and ranges stay one word
      continue;
    }
    if (c == '.') {
      std::string withDot = word + '.';
      const bool keep = isAbbreviation(withDot) ||
                        (has(p + 3) && isDomainSuffix(std::string_view(t).substr(p, 3))) ||
                        word.find('@') != std::string::npos || (has(p + 1) && isDigit(at(p + 1))) ||
                        trimView(word).size() == 1;
      if (keep) {
        addWord(c);
        continue;
      }
    }
    break;
  }

  // The tail: separators up to the next word.
  bool absorbing = false;
  auto addTail = [&](char c) {
    tail += c;
    if (withMap) tailPos.push_back(p);
    ++p;
  };
  while (p <= len) {
    const char c = at(p);
    if (isWordSeparator(c)) {
      // A quote after white space that opens a word belongs to that word.
      if ((c == '"' || c == '\'') && !tail.empty() && isTrimmable(tail.back()) && has(p + 1) &&
          !isWordSeparator(at(p + 1)))
        break;
      if (c == '\r') {
        absorbing = true;
      } else if (c == '.') {
        const char n = at(p + 1);
        absorbing =
            !(has(p + 1) && (n == '.' || isClosingMark(n) || isDigit(n))) && at(p - 1) != '.';
      } else if (!isLineBreakChar(c) && c != ' ') {
        absorbing = false;
      }
      addTail(c);
      continue;
    }
    if (absorbing && isLineBreakChar(c)) {
      addTail(c);
      continue;
    }
    break;
  }

  // A single character left at the end is taken into this word, so that no
  // text is left that a frame reader would not reach.
  char absorbed = 0;
  if (p == len && !isTrimmable(at(p))) {
    absorbed = at(p);
    ++p;
  }

  // Dotted leaders: the page number joins the leader and the line ends.
  if (!absorbed && isDottedLine(word + tail)) {
    while (p <= len && isWordSeparator(at(p)))
      addTail(at(p));
    if (crCount(tail) == 0)
      while (p <= len && at(p) != ' ' && !isLineBreakChar(at(p)))
        addTail(at(p));
    int crsAfter = 0;
    while (p <= len && (isWordSeparator(at(p)) || isLineBreakChar(at(p)))) {
      crsAfter += at(p) == '\r';
      ++p;
    }
    out.forceBreak = true;
    out.crs = crCount(tail) + crsAfter;
  } else {
    out.crs = crCount(tail);
  }
  out.next = p;

  // The next word, peeked: its first characters drive the decisions below.
  const std::string_view nextWord =
      p <= len ? std::string_view(t).substr(p - 1, std::min<std::int32_t>(len - p + 1, 64))
               : std::string_view();

  // Colon-line flag.
  out.colonLine = state_.ColonLine;
  if (contains(tail, ":") && contains(tail, "\\n")) out.colonLine = true;

  // Sentence end, character by character of the tail.
  bool se = false;
  bool candidate = false;
  const bool nextUpper = startsUpper(nextWord);
  const bool tailHasCR = out.crs > 0;
  for (std::size_t k = 0; k < tail.size(); ++k) {
    const char c = tail[k];
    const auto i = static_cast<std::int64_t>(k);
    if (isStopPunctuation(c)) {
      candidate = true;
      if ((closingMarkAt(tail, i + 1) && !twoSpacesAfter(tail, i + 1) && !nextUpper) ||
          (c == ':' && !tailHasCR) || commaAfter(tail, i))
        candidate = false;
    }
    if (candidate) se = true;
    // A decision against the end also ends the candidate, so that the spaces
    // after the mark do not bring the end back.
    if ((c == ':' && k + 1 < tail.size() && tail[k + 1] == '/') ||
        ((c == ';' || c == '!') && !nextUpper))
      se = candidate = false;
    if (c == '?' || c == '\x85' || ((c == ';' || c == '!') && nextUpper)) {
      se = true;
      if ((closingMarkAt(tail, i + 1) && !twoSpacesAfter(tail, i + 1) && !nextUpper &&
           !commaAfter(tail, i)) ||
          commaAfter(tail, i))
        se = candidate = false;
    }
  }
  if (out.colonLine) {
    std::int32_t q = p;
    while (q <= len && !isAlphanumeric(at(q)))
      ++q;
    if (q > len || !isDigit(at(q)))
      out.colonLine = false;
    else
      se = true;
  }

  // Row breaks.
  int c = out.crs;
  bool rowBreak = false;
  bool doubled = false;
  if (c >= 2) rowBreak = true;
  if (c == 1) {
    const SourceKind kind = sourceKind();
    if (se || opensWithMark(nextWord) ||
        (rule(RuleCapitalizedRows) && nextUpper && !nextWord.empty() && isLetter(nextWord[0])) ||
        hasLineBreakTriple(tail) || (kind == SourceKind::Pdf && rule(RulePdfRowPerReturn)) ||
        kind == SourceKind::WebPage ||
        (kind == SourceKind::PlainText && rule(RuleTextRowPerReturn)))
      rowBreak = true;
    if ((kind == SourceKind::Word && rule(RuleWordRowPerReturn)) ||
        ((kind == SourceKind::OutlookExpress || kind == SourceKind::Outlook) &&
         rule(RuleOutlookRowPerReturn))) {
      rowBreak = true;
      doubled = true;
    }
  }
  if (doubled) c = 2;
  out.crs = c;
  if (rowBreak) se = true;
  out.rowBreak = rowBreak;

  // Heading test on the line this word ends.
  if (c >= 2) {
    const std::int32_t ls = state_.LineStartPosition;
    const int before = crsBefore(t, ls);
    if ((ls > 1 && before == 2 && rule(RuleIsolatedLinesAsHeadings)) || (ls > 1 && before > 2) ||
        ls == 1 || state_.FrameStartPosition == 1)
      out.heading = true;
  }

  // End of the document.
  if (p > len || (len - p + 1 < 3 && trimView(nextWord).empty())) {
    out.endReached = true;
    se = true;
  }
  out.sentenceEnd = se;

  // The word as shown.
  std::string shown = word;
  std::size_t stripped = 0;
  if (!shown.empty()) {
    const std::size_t before = shown.size();
    out.skimmed = autoSkimWord(settings_, shown);
    if (!out.skimmed) stripped = before - shown.size();
  }
  if (out.skimmed) {
    out.text = shown;
    if (absorbed) out.text += absorbed;
    if (withMap) out.map.assign(out.text.size(), out.next);
    return;
  }
  if (out.forceBreak) {
    const std::string_view trimmedTail = trimView(tail);
    out.text = shown;
    if (!shown.empty() && !tail.empty() && tail[0] == ' ' && !trimmedTail.empty()) out.text += ' ';
    out.text += trimmedTail;
    if (withMap) {
      out.map.assign(wordPos.begin() + static_cast<std::ptrdiff_t>(stripped), wordPos.end());
      out.map.resize(out.text.size(), out.next);
    }
    return;
  }
  out.text = shown + tail;
  std::vector<std::int32_t>* map = withMap ? &out.map : nullptr;
  if (map) {
    map->assign(wordPos.begin() + static_cast<std::ptrdiff_t>(stripped), wordPos.end());
    map->insert(map->end(), tailPos.begin(), tailPos.end());
  }
  normaliseEnds(out.text, map);
  dropLineBreaks(out.text, map);
  const bool oneCR = crCount(tail) == 1;
  if ((!hasSpace(out.text) && !out.text.empty() && isAlphanumeric(out.text.back())) ||
      (oneCR && (out.text.empty() || out.text.back() != ' '))) {
    out.text += ' ';
    if (map) map->push_back(out.next);
  }
  if (absorbed) {
    if (!out.text.empty() && out.text.back() != ' ' && isAlphanumeric(absorbed) && !tail.empty())
      out.text += ' ';
    out.text += absorbed;
    if (map) map->resize(out.text.size(), out.next - 1);
  }
}

void TextEngine::applyScan(const Scan& scan) {
  EngineState& s = state_;
  s.WordStartPosition = scan.start;
  s.CurrentPosition = scan.endReached ? scanLength() : scan.next;
  if (s.CurrentPosition < 1) s.CurrentPosition = 1;
  s.SentenceEnd = scan.sentenceEnd;
  if (scan.rowBreak) s.RowBreak = true;
  s.LineBreakCount = static_cast<std::uint8_t>(std::min(scan.crs, 255));
  s.MultiBreak = scan.crs > 1;
  s.ForceBreak = scan.forceBreak;
  s.ColonLine = scan.colonLine;
  if (scan.heading) s.HeadingFound = true;
  lastWordSkimmed_ = scan.skimmed;
}

std::string TextEngine::getNextWord() {
  Scan scan;
  scanAt(state_.CurrentPosition, scan, true);
  applyScan(scan);
  lastMap_ = std::move(scan.map);
  lastNext_ = scan.next;
  return std::move(scan.text);
}

std::string TextEngine::peekNextWord() {
  Scan scan;
  scanAt(state_.CurrentPosition, scan, false);
  return std::move(scan.text);
}

// The characters from position up to the first separator after a word
// character; separators before the word are not counted.
std::string_view TextEngine::nextWordText(std::int32_t position) const {
  const std::string& t = state_.DocumentText;
  const std::int32_t len = scanLength();
  std::int32_t p = std::max<std::int32_t>(position, 1);
  while (p <= len && isWordSeparator(t[p - 1]))
    ++p;
  const std::int32_t from = p;
  while (p <= len && !isWordSeparator(t[p - 1]) && p - from < MaxWordScan)
    ++p;
  if (from > len) return {};
  return std::string_view(t).substr(from - 1, p - from);
}

double TextEngine::nextWordWidth() const {
  return textWidth(nextWordText(state_.CurrentPosition));
}

// ---------------------------------------------------------------------------
// Lines

std::string TextEngine::readWordWithPrefix(std::size_t& prefixLength, bool& skimDot) {
  std::string word = getNextWord();
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
  return prefix + word;
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
  std::int32_t rest = mapIndex < lastMap_.size() ? lastMap_[mapIndex] : state_.CurrentPosition;
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

bool TextEngine::punctuatedBreakDue(std::int32_t words, std::uint8_t wordsPerLine) {
  (void)wordsPerLine;
  const int lines = settings_.LinesPerScreen;
  const int perLine = settings_.WordsPerScreen;
  if (lines == 1 && perLine >= 1 && perLine <= 3) return true;
  const std::int32_t remaining = lines * perLine - words - perLine * state_.LineIndex;
  return remaining < 3 && remaining < wordsToSentenceEnd(remaining + 1);
}

// Words up to and including the next sentence end or row break, counted up
// to `limit`; nothing of the state changes.
std::int32_t TextEngine::wordsToSentenceEnd(std::int32_t limit) {
  const Flags saved = saveFlags();
  const std::vector<std::int32_t> savedMap = lastMap_;
  const bool savedSkim = lastWordSkimmed_;
  std::int32_t count = 0;
  Scan scan;
  std::int32_t p = state_.CurrentPosition;
  const std::int32_t end = endPosition();
  while (count < limit && p < end) {
    scanAt(p, scan, false);
    if (!scan.skimmed) ++count;
    if (scan.sentenceEnd || scan.rowBreak || scan.endReached || scan.next <= p) break;
    p = scan.next;
  }
  restoreFlags(saved);
  lastMap_ = savedMap;
  lastWordSkimmed_ = savedSkim;
  return count;
}

void TextEngine::headingTestAfterLine() {
  EngineState& s = state_;
  bool candidate = false;
  if (s.LastHeadingCheck != s.LineStartPosition || s.LineStartPosition == 1) {
    candidate = detectHeading();
    s.LastHeadingCheck = s.LineStartPosition;
  }
  s.HeadingIcon = s.HeadingFound;
  if (candidate) s.HeadingIcon = s.HeadingFound = true;
  // The candidate has been used; only a new detection may set it again.
  s.HeadingCandidate = false;
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
  while (words < wordsPerLine && !s.RowBreak && !s.LineFull && !s.SentenceEnd && !s.HeadingFound &&
         !atOrPastEnd(s, static_cast<std::int64_t>(s.CurrentPosition) - 1) &&
         s.CurrentPosition <= scanLength() && (stopAt_ == 0 || s.CurrentPosition < stopAt_)) {
    const Flags before = saveFlags();
    std::size_t prefixLength = 0;
    bool dot = false;
    std::string word = readWordWithPrefix(prefixLength, dot);
    if (!dot && !line.empty() && line.back() == AutoSkimDot) line += ' ';
    if (!dot && textWidth(word) > width - 20) {
      const std::string cut = splitLongWord(word, prefixLength, width - 20);
      if (cut.size() != word.size() || cut != word) {
        s.HeadingFound = before.HeadingFound;
        word = cut;
      }
    }
    line += word;
    s.LineChars += static_cast<std::int32_t>(word.size());
    if (hasSpace(word)) {
      ++s.LineSpaces;
      if (s.LineSpaces <= 2) ++s.LineChars;
    }
    if (!dot) ++words;
    if (isPunctuatedBreak(settings_, word) && punctuatedBreakDue(words, wordsPerLine))
      s.LineFull = true;
    const std::string_view next = nextWordText(s.CurrentPosition);
    if (maxChars + 1 < s.LineChars + static_cast<std::int32_t>(next.size()) ||
        textWidth(line) + textWidth(next) >= width)
      s.LineFull = true;
    if (s.ForceBreak) s.SentenceEnd = s.LineFull = s.RowBreak = true;
  }
  if (s.CountWords) s.WordCounter += static_cast<std::uint32_t>(words);
  s.FrameWordCount += words;
  if (settings_.WordsPerMinute > 3000) settings_.WordsPerMinute = 3000;
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
  std::int32_t read = 0;
  std::int32_t counted = 0;
  std::string line;
  auto storeLine = [&]() {
    if (s.LineIndex < MaxFrameLines) s.FrameLines[s.LineIndex] = line;
    line.clear();
    ++s.LineIndex;
  };
  while (!s.SentenceEnd && !s.RowBreak && !s.HeadingFound && s.LineIndex < lines &&
         beforeEnd(s, s.CurrentPosition) && s.CurrentPosition < scanLength() &&
         (stopAt_ == 0 || s.CurrentPosition < stopAt_)) {
    const Flags before = saveFlags();
    std::size_t prefixLength = 0;
    bool dot = false;
    std::string word = readWordWithPrefix(prefixLength, dot);
    if (!dot && textWidth(word) >= limit) {
      const std::string cut = splitLongWord(word, prefixLength, limit);
      if (cut != word) {
        s.HeadingFound = before.HeadingFound;
        word = cut;
      }
    }
    if (!dot && !line.empty() && line.back() == AutoSkimDot) {
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
      s.FrameText += '\r';
      s.SentenceEnd = s.RowBreak = true;
    } else if (!line.empty() && textWidth(line) + nextWordWidth() >= limit) {
      storeLine();
      s.FrameText += '\r';
    }
    if (read < 5 && s.LineIndex < lines && (s.SentenceEnd || s.RowBreak) && !s.MultiBreak &&
        rule(RuleCombineSmallSentences)) {
      s.SentenceEnd = s.RowBreak = false;
      if (!line.empty()) {
        storeLine();
        s.FrameText += '\r';
      }
    }
  }
  if (!line.empty() && s.LineIndex < MaxFrameLines) s.FrameLines[s.LineIndex] = line;
  if (s.CountWords) s.WordCounter += static_cast<std::uint32_t>(counted);
  s.FrameWordCount = counted;
  if (settings_.WordsPerMinute > 3000) settings_.WordsPerMinute = 3000;
  if (!quiet_) {
    headingTestAfterLine();
    if (s.HeadingFound && !validateHeading(s.FrameText)) s.HeadingFound = s.HeadingIcon = false;
    if (callbacks_.setFrameTiming) callbacks_.setFrameTiming(counted);
  }
  return s.FrameText;
}

std::string TextEngine::readLine(std::uint8_t wordsPerLine) {
  if (isSentenceMode()) return readSentenceLine();
  state_.FrameWordCount = 0;
  return readBannerLine(wordsPerLine, {});
}

std::string TextEngine::readColumnLine() {
  EngineState& s = state_;
  s.RowBreak = s.HeadingFound = s.LineFull = false;
  s.LineSpaces = 0;
  std::int32_t words = 0;
  std::string line;
  const double width = s.columnTextWidth;
  while (!s.RowBreak && !s.LineFull && !s.HeadingFound &&
         static_cast<std::int64_t>(s.DocumentLength) - s.CurrentPosition + 1 >= 2 &&
         s.CurrentPosition < scanLength()) {
    const Flags before = saveFlags();
    std::size_t prefixLength = 0;
    bool dot = false;
    std::string word = readWordWithPrefix(prefixLength, dot);
    if (s.ForceBreak) {
      s.HeadingText.clear();
      s.HeadingWordCount = 0;
      line += word;
      ++words;
      break;
    }
    if (!dot && textWidth(word) >= width - 10) {
      const std::string cut = splitLongWord(word, prefixLength, width - 10);
      if (cut != word) {
        s.HeadingFound = before.HeadingFound;
        word = cut;
      }
    }
    s.HeadingText += word;
    ++s.HeadingWordCount;
    if (!dot && !line.empty() && line.back() == AutoSkimDot) line += ' ';
    line += word;
    ++words;
    // The next word with any blank words after it, and their line breaks.
    Scan scan;
    scanAt(s.CurrentPosition, scan, false);
    std::string next = scan.text;
    // The next word's own line breaks count only when it stands on a line of
    // its own (a title between lines); otherwise the last word of every
    // paragraph would be pushed onto a row by itself.
    int crs = (trimView(next).empty() || s.LineBreakCount > 0) ? scan.crs : 0;
    std::int32_t p = scan.next;
    int blanks = 0;
    while (blanks < 64 && p < scanLength() && p > s.CurrentPosition) {
      Scan more;
      scanAt(p, more, false);
      if (!trimView(more.text).empty() || more.next <= p) break;
      crs += more.crs;
      p = more.next;
      ++blanks;
    }
    if ((isListItemNumber(s.HeadingText) && isListItemNumber(next)) ||
        (s.SentenceEnd && scan.crs > 0) || s.LineBreakCount >= 2)
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

// ---------------------------------------------------------------------------
// Headings

bool TextEngine::detectHeading() {
  EngineState& s = state_;
  const std::string& t = s.DocumentText;
  const std::int32_t len = scanLength();
  std::int32_t p = std::max<std::int32_t>(s.LineStartPosition, 1);
  while (p <= len && isWordSeparator(t[p - 1]))
    ++p;
  if (s.HeadingCandidate) return true;

  // Items: a word with the separators after it up to a CR, or a CR with the
  // spaces after it (a blank).
  const int maxWords = settings_.HeadingMaxWords;
  int words = 0;
  int blanks = 0;
  p = std::max<std::int32_t>(s.LineStartPosition, 1);
  while (p <= len && words <= maxWords) {
    const std::int32_t from = p;
    if (t[p - 1] == '\r') {
      ++p;
      while (p <= len && (t[p - 1] == ' ' || (isLineBreakChar(t[p - 1]) && t[p - 1] != '\r')))
        ++p;
      ++blanks;
      continue;
    }
    std::int32_t chars = 0;
    while (p <= len && !isWordSeparator(t[p - 1]) && chars < MaxWordScan) {
      ++p;
      ++chars;
    }
    while (p <= len && isWordSeparator(t[p - 1]) && t[p - 1] != '\r')
      ++p;
    if (p == from) ++p; // a byte that is neither: step over it
    if (trimView(std::string_view(t).substr(from - 1, p - from)).empty()) continue;
    if (blanks >= 2 && p - from >= 2) break;
    ++words;
  }
  bool result = false;
  if (words >= 1 && words <= maxWords) {
    const int before = crsBefore(t, s.LineStartPosition);
    result = blanks > 1 && ((before == 2 && rule(RuleIsolatedLinesAsHeadings)) || before > 2);
  } else if (words == 0) {
    s.HeadingFound = true;
  }
  s.HeadingCandidate = result;
  return result;
}

bool TextEngine::validateHeading(std::string_view candidate) {
  if (sourceKind() != SourceKind::Word) return true;
  const std::string_view core = trimView(candidate);
  if (!core.empty() && isClausePunctuation(core.back())) return true;
  if (!rule(RuleIgnorePunctuatedHeadings)) return true;
  if (!callbacks_.headingFontLarger) return true;
  return callbacks_.headingFontLarger(candidate);
}

// ---------------------------------------------------------------------------
// Frames read by the engine itself

bool TextEngine::readFrameQuietly() {
  EngineState& s = state_;
  const std::int32_t start = s.CurrentPosition;
  s.FrameStartPosition = s.CurrentPosition;
  s.LineStartPosition = s.CurrentPosition;
  s.SentenceEnd = s.RowBreak = s.HeadingFound = false;
  s.LineIndex = 0;
  s.FrameWordCount = 0;
  for (auto& l : s.FrameLines)
    l.clear();
  if (!beforeEnd(s, s.CurrentPosition) || s.CurrentPosition >= scanLength()) return false;
  if (isSentenceMode()) {
    readSentenceLine();
  } else {
    const std::uint8_t lines = framesLines();
    const auto perLine = static_cast<std::uint8_t>(std::clamp<int>(settings_.WordsPerScreen, 1, 6));
    s.FrameText.clear();
    while (s.LineIndex < lines && !s.HeadingFound && beforeEnd(s, s.CurrentPosition) &&
           s.CurrentPosition < scanLength()) {
      const std::int32_t lineStart = s.CurrentPosition;
      std::string line = readBannerLine(perLine, {});
      line = replaceAll(line, "\r", "");
      if (!s.FrameText.empty()) s.FrameText += '\r';
      s.FrameText += line;
      s.FrameLines[s.LineIndex] = std::move(line);
      ++s.LineIndex;
      if (s.CurrentPosition <= lineStart) break;
      if (s.SentenceEnd || s.RowBreak) {
        s.LineStartPosition = s.CurrentPosition;
        if (s.HeadingFound) break;
        s.SentenceEnd = s.RowBreak = false;
      }
    }
  }
  return s.CurrentPosition > start;
}

bool TextEngine::nextFrames(std::uint8_t count) {
  EngineState& s = state_;
  const bool counting = s.CountWords;
  const bool wasQuiet = quiet_;
  quiet_ = true;
  s.CountWords = false;
  for (int i = 0; i < count; ++i) {
    if (i + 1 == count && count == 1) s.CountWords = counting;
    if (!readFrameQuietly()) break;
  }
  if (count != 1 && count != 0) {
    // Show the last frame read: rebuild it from its start.
    s.CurrentPosition = s.FrameStartPosition;
    s.CountWords = counting;
    readFrameQuietly();
  }
  s.CountWords = counting;
  quiet_ = wasQuiet;
  s.HeadingIcon = s.HeadingFound;
  return static_cast<std::int64_t>(s.DocumentLength) - s.CurrentPosition + 1 >= 2 &&
         s.CurrentPosition < scanLength();
}

// ---------------------------------------------------------------------------
// Navigation

void TextEngine::goToStart() {
  EngineState& s = state_;
  s.CurrentPosition = 1;
  s.LineStartPosition = 1;
  s.LastHeadingCheck = 1;
  s.NewParagraphPending = false;
  if (callbacks_.setFrameTiming) callbacks_.setFrameTiming(0);
}

void TextEngine::goToEnd() {
  EngineState& s = state_;
  const std::int32_t end = endPosition();
  if (s.DocumentLength >= 5000) {
    s.CurrentPosition =
        std::max<std::int32_t>(1, static_cast<std::int32_t>(s.DocumentLength) - 500);
    // Resume at the start of a word.
    const std::string& t = s.DocumentText;
    std::int32_t p = s.CurrentPosition;
    while (p <= end && p > 1 && !isWordSeparator(t[p - 2]) && p - s.CurrentPosition < MaxWordScan)
      ++p;
    while (p <= end && isWordSeparator(t[p - 1]))
      ++p;
    if (p < end) s.CurrentPosition = p;
  }
  std::int32_t lastStart = s.FrameStartPosition;
  bool any = false;
  const bool counting = s.CountWords;
  s.CountWords = false;
  while (true) {
    const std::int32_t before = s.CurrentPosition;
    const bool more = nextFrames(1);
    if (s.CurrentPosition > before) {
      lastStart = s.FrameStartPosition;
      any = true;
    }
    if (!more || s.CurrentPosition <= before) break;
  }
  s.CountWords = counting;
  if (any) s.FrameStartPosition = lastStart;
  s.CurrentPosition = s.FrameStartPosition;
  s.LineStartPosition = s.CurrentPosition;
  if (callbacks_.setFrameTiming) callbacks_.setFrameTiming(0);
}

bool TextEngine::nextParagraph() {
  EngineState& s = state_;
  const std::string& t = s.DocumentText;
  const std::int32_t len = scanLength();
  const std::int32_t from = s.CurrentPosition;
  std::int32_t p = std::clamp<std::int32_t>(from, 1, std::max<std::int32_t>(len, 1));
  if (isSentenceMode())
    while (p > 1 && isWordSeparator(t[p - 2]))
      --p;
  while (true) {
    const std::int64_t hit = findFromCaseInsensitive(t, "\r\r", p);
    if (hit == 0) return false;
    // The paragraph begins after the run of line breaks and spaces.
    std::int64_t q = hit + 2;
    while (q <= len && (isLineBreakChar(t[q - 1]) || t[q - 1] == ' '))
      ++q;
    if (q > from) {
      if (q >= s.TextLength || q >= len) return false;
      s.CurrentPosition = static_cast<std::int32_t>(q);
      s.FrameStartPosition = s.CurrentPosition;
      s.LineStartPosition = s.CurrentPosition;
      if (callbacks_.setFrameTiming) callbacks_.setFrameTiming(0);
      return true;
    }
    p = static_cast<std::int32_t>(hit + 1);
  }
}

void TextEngine::previousParagraph() {
  EngineState& s = state_;
  if (atOrPastEnd(s, s.CurrentPosition)) return;
  const std::string& t = s.DocumentText;
  const std::int32_t len = scanLength();
  std::int64_t limit = std::min<std::int64_t>(s.FrameStartPosition, len);
  std::int32_t target = 1;
  while (limit > 1) {
    const std::int64_t hit = lastOccurrenceBefore(t, "\r\r", limit);
    if (hit == 0) break;
    std::int64_t q = hit + 2;
    while (q <= len && (isLineBreakChar(t[q - 1]) || t[q - 1] == ' '))
      ++q;
    if (q < s.FrameStartPosition) {
      target = static_cast<std::int32_t>(q);
      break;
    }
    limit = hit; // the pair opens the current frame: look before it
  }
  s.CurrentPosition = target;
  s.FrameStartPosition = target;
  s.LineStartPosition = target;
  if (callbacks_.setFrameTiming) callbacks_.setFrameTiming(0);
}

// Reads forward from `from` without counting, line by line as the banner
// reader wraps, the first line opening with "... ", up to `to`. Returns the
// number of lines; their starts go to lineStarts when asked.
int TextEngine::rebuildFrame(std::int32_t from, std::int32_t to,
                             std::vector<std::int32_t>* lineStarts, int maxLines) {
  EngineState& s = state_;
  const auto perLine = static_cast<std::uint8_t>(std::clamp<int>(settings_.WordsPerScreen, 1, 6));
  s.CurrentPosition = from;
  s.LineStartPosition = from;
  s.LineIndex = 0;
  s.FrameWordCount = 0;
  for (auto& l : s.FrameLines)
    l.clear();
  s.FrameText.clear();
  stopAt_ = to;
  int lines = 0;
  std::string prefix = std::string(PreviousFrameMark) + " ";
  while (s.CurrentPosition < to && s.CurrentPosition < scanLength() && lines <= maxLines) {
    const std::int32_t start = s.CurrentPosition;
    if (lineStarts) lineStarts->push_back(start);
    std::string line = readBannerLine(perLine, lines == 0 ? std::string_view(prefix) : "");
    if (lines < MaxFrameLines) {
      s.FrameLines[lines] = line;
      if (lines > 0) s.FrameText += '\r';
      s.FrameText += line;
    }
    ++lines;
    s.LineIndex = static_cast<std::uint8_t>(std::min(lines, 255));
    if (s.CurrentPosition <= start) break;
  }
  stopAt_ = 0;
  s.SentenceEnd = s.RowBreak = s.HeadingFound = false;
  return lines;
}

void TextEngine::previousBannerFrame() {
  EngineState& s = state_;
  const std::string& t = s.DocumentText;
  const std::int32_t len = scanLength();
  std::int32_t target = s.PreviousFrameStart > 0 ? s.PreviousFrameStart : s.FrameStartPosition;
  target = std::clamp<std::int32_t>(target, 1, std::max<std::int32_t>(len, 1));
  const int lif = framesLines();
  const bool counting = s.CountWords;
  quiet_ = true;
  s.CountWords = false;

  auto stepBack = [&](std::int32_t q) {
    std::int32_t steps = 0;
    while (q > 1 && isTrimmable(t[q - 2]))
      --q;
    while (q > 1 && !isTrimmable(t[q - 2]) && steps++ < MaxWordScan)
      --q;
    return q;
  };

  auto fits = [&](std::int32_t from) { return rebuildFrame(from, target, nullptr, lif) <= lif; };
  std::int32_t best = -1;
  std::int32_t q = target;
  while (q > 1) {
    const std::int32_t candidate = stepBack(q);
    if (!fits(candidate)) {
      if (best < 0) {
        // Even one word back is too much (a word longer than the frame):
        // the earliest start inside it whose lines still fit.
        std::int32_t lo = candidate + 1;
        std::int32_t hi = target - 1;
        best = hi;
        while (lo <= hi) {
          const std::int32_t mid = lo + (hi - lo) / 2;
          if (fits(mid)) {
            best = mid;
            hi = mid - 1;
          } else {
            lo = mid + 1;
          }
        }
      }
      break;
    }
    best = candidate;
    q = candidate;
  }
  if (best < 0) best = 1;
  // Start on a word.
  while (best < target && best <= len && isTrimmable(t[best - 1]))
    ++best;

  s.CountWords = counting;
  if (best < target) {
    rebuildFrame(best, target, nullptr, MaxFrameLines);
  } else {
    // Nothing before the old start: show the first frame again.
    s.CurrentPosition = 1;
    readFrameQuietly();
    best = 1;
  }
  quiet_ = false;
  s.CountWords = counting;
  s.PreviousFrameStart = best;
  s.FrameStartPosition = best;
  s.LineStartPosition = best;
  s.HeadingIcon = s.HeadingFound = false;
  if (best < target) s.CurrentPosition = target;
}

void TextEngine::previousSentence() {
  EngineState& s = state_;
  const std::string& t = s.DocumentText;
  const std::int32_t len = scanLength();
  const std::int32_t old = std::clamp<std::int32_t>(s.FrameStartPosition, 1, std::max(len, 1));
  auto boundary = [](char c) { return isStopPunctuation(c) || isLineBreakChar(c); };

  // Two sentence boundaries back, so that reading forward starts on a true
  // sentence start.
  std::int32_t q = old - 1;
  // How far back to look grows with what a frame can hold, so that narrow
  // frames do not read thousands of frames to find their way back.
  const double charWidth = std::max(1.0, textWidth("n"));
  const double perLine = std::max(1.0, s.bannerTextWidth / charWidth);
  const auto reach = static_cast<std::int32_t>(
      std::clamp(perLine * framesLines() * 16.0, 64.0, static_cast<double>(MaxSentenceStepBack)));
  const std::int32_t floor = std::max<std::int32_t>(1, old - reach);
  for (int round = 0; round < 2 && q >= 1; ++round) {
    while (q >= floor && (boundary(t[q - 1]) || t[q - 1] == ' '))
      --q;
    while (q >= floor && !boundary(t[q - 1]))
      --q;
  }
  std::int32_t start = std::max<std::int32_t>(q + 1, 1);
  while (start < old && start <= len && isTrimmable(t[start - 1]))
    ++start;
  if (start >= old) start = 1;

  const bool counting = s.CountWords;
  quiet_ = true;
  s.CountWords = false;
  stopAt_ = old;
  s.CurrentPosition = start;
  std::int32_t shown = start;
  int guard = 0;
  while (s.CurrentPosition < old && s.CurrentPosition < len && guard++ < 100000) {
    const std::int32_t frameStart = s.CurrentPosition;
    readSentenceLine();
    shown = frameStart;
    if (s.CurrentPosition <= frameStart) break;
  }
  quiet_ = false;
  s.CountWords = counting;
  // The sentence shown is read once more, counted and timed like any other.
  s.CurrentPosition = shown;
  if (shown >= old) stopAt_ = 0;
  readSentenceLine();
  stopAt_ = 0;
  s.PreviousFrameStart = shown;
}

void TextEngine::previousFrame() {
  if (isSentenceMode())
    previousSentence();
  else
    previousBannerFrame();
}

// ---------------------------------------------------------------------------
// Saved positions and hand-over

std::int32_t TextEngine::restoreSavedPosition(const std::vector<SavedPosition>& table) {
  EngineState& s = state_;
  s.CurrentPosition = 1;
  s.FrameStartPosition = 1;
  if (trimView(s.DocumentName).empty()) return 1;
  for (const SavedPosition& entry : table) {
    if (entry.name != s.DocumentName) continue;
    if (entry.position >= 1 && beforeEnd(s, entry.position)) {
      std::int32_t p = std::min<std::int32_t>(entry.position, scanLength());
      while (p >= 2 && isAlphanumeric(s.DocumentText[p - 2]))
        --p;
      s.CurrentPosition = std::max<std::int32_t>(p, 1);
    }
    break;
  }
  return s.CurrentPosition;
}

void setDocumentText(EngineState& state, std::string text) {
  std::string_view core = trimView(text);
  if (core.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max() - 1))
    core = core.substr(0, std::numeric_limits<std::int32_t>::max() - 1);
  state.DocumentText = core.empty() ? std::string(EmptyDocumentText) : std::string(core);
  state.TextLength = static_cast<std::int32_t>(state.DocumentText.size());
  state.OriginalText = state.DocumentText;
  state.DocumentLength = static_cast<std::uint32_t>(state.TextLength);
  state.CurrentPosition = 1;
  state.FrameStartPosition = 1;
  state.PreviousFrameStart = -1;
  state.WordStartPosition = 1;
  state.LineStartPosition = 1;
  state.LastHeadingCheck = -1;
  state.NewParagraphPending = false;
  state.HeadingFound = state.RowBreak = state.SentenceEnd = state.LineFull = false;
  state.MultiBreak = state.ForceBreak = state.HeadingIcon = state.HeadingCandidate = false;
  state.ColonLine = false;
  state.LineBreakCount = 0;
  state.LineChars = state.LineSpaces = 0;
  state.LineIndex = 0;
  for (auto& l : state.FrameLines)
    l.clear();
  state.FrameText.clear();
  state.HeadingText.clear();
  state.HeadingWordCount = 0;
}

int graphicNear(const EngineState& state, std::int32_t position) {
  for (std::size_t i = 0; i < state.GraphicPositions.size(); ++i) {
    const std::int64_t d = static_cast<std::int64_t>(state.GraphicPositions[i].position) - position;
    if (d >= -50 && d <= 50) return static_cast<int>(i);
  }
  return -1;
}

int graphicBetween(const EngineState& state, std::int32_t from, std::int32_t to) {
  for (std::size_t i = 0; i < state.GraphicPositions.size(); ++i) {
    const std::int32_t p = state.GraphicPositions[i].position;
    if (p >= from && p <= to) return static_cast<int>(i);
  }
  return -1;
}

} // namespace engine
