#include "engine/word_scanner.h"

#include <algorithm>
#include <limits>

#include "engine/abbreviations.h"
#include "engine/autoskim.h"
#include "engine/char_classes.h"
#include "engine/text_helpers.h"
#include "engine/text_rules.h"

namespace engine {

namespace {

// How many characters of the next word the sentence and row-break decisions
// look at.
constexpr std::int32_t NextWordPeek = 64;

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

// One scan from one position. The steps run in the order of run(); each
// works on what the steps before it found.
class Scanner {
public:
  // Writes into `out`, cleared: the caller's result itself, so that nothing
  // is moved on the way out.
  Scanner(const EngineState& state, const SettingsRecord& settings, SourceKind kind, bool withMap,
          const CommaListSet* skimWords, WordScan& out)
      : state_(state), settings_(settings), kind_(kind), withMap_(withMap), skimWords_(skimWords),
        text_(state.DocumentText), len_(scanLength(state)), out_(out) {}

  void run(std::int32_t position, bool shortcut) {
    if (shortcut && plainWordAt(position)) return;
    p_ = std::max<std::int32_t>(position, 1);
    out_.start = p_;
    if (p_ == 1)
      while (p_ <= len_ && isLineBreakChar(at(p_)))
        ++p_;
    wordBegin_ = p_;
    readWord();
    word_ = wordSoFar();
    tailBegin_ = p_;
    readTail();
    takeLastCharacter();
    countLineBreaks();
    out_.next = p_;
    nextWord_ = p_ <= len_
                    ? text_.substr(p_ - 1, std::min<std::int32_t>(len_ - p_ + 1, NextWordPeek))
                    : std::string_view();
    bool sentenceEnd = sentenceEndInTail();
    sentenceEnd = colonLineEnd(sentenceEnd);
    if (rowBreak(sentenceEnd)) sentenceEnd = true;
    testHeading();
    if (atDocumentEnd()) {
      out_.endReached = true;
      sentenceEnd = true;
    }
    out_.sentenceEnd = sentenceEnd;
    buildShownWord();
  }

private:
  char at(std::int64_t p) const { return p >= 1 && p <= len_ ? text_[p - 1] : '\0'; }

  // Most words of a text are plain characters followed by one space and the
  // next word: no step after the word finds anything to do there (no mark,
  // line break or dot in the tail, no colon line running, not the document's
  // first or last word), so the scan is the word and its space. True when
  // the text at `position` is of that shape and out_ holds the scan.
  bool plainWordAt(std::int32_t position) {
    if (position <= 1 || withMap_ || state_.ColonLine) return false;
    const std::int32_t last = std::min<std::int32_t>(len_, position + MaxWordScan - 1);
    std::int32_t q = position;
    while (q <= last && isPlainChar(text_[q - 1]))
      ++q;
    // q is the space; the next word starts after it, and more than its first
    // character is left, so that the document's end is not near.
    if (q == position || q > last || q + 1 >= len_ || text_[q - 1] != ' ' || !isPlainChar(text_[q]))
      return false;
    out_.start = position;
    out_.next = q + 1;
    // The word and its space as they stand; AutoSkim looks at the word alone.
    // Appended to the empty text: an assignment takes the general replace
    // path, which costs more than such a word.
    std::string& shown = out_.text;
    shown.append(text_.data() + (position - 1), static_cast<std::size_t>(q - position + 1));
    if (settings_.CompressorStatus) {
      shown.pop_back();
      out_.skimmed = skim(shown);
      if (!out_.skimmed) shown += ' ';
    }
    return true;
  }
  // AutoSkim on the shown word, through the settings' word set when given.
  bool skim(std::string& shown) const {
    if (!settings_.CompressorStatus) return false;
    return skimWords_ ? autoSkimWord(settings_, *skimWords_, shown)
                      : autoSkimWord(settings_, shown);
  }
  bool has(std::int64_t p) const { return p >= 1 && p <= len_; }
  bool rule(TextRule r) const { return settings_.GeneralTextRules[r]; }

  // The word and the tail are runs of the text: [wordBegin_, tailBegin_)
  // and [tailBegin_, p_) once the word is read.
  std::string_view wordSoFar() const {
    return text_.substr(static_cast<std::size_t>(wordBegin_ - 1),
                        static_cast<std::size_t>(p_ - wordBegin_));
  }
  void addWord(char c) {
    dots_ += c == '.';
    if (!isTrimmable(c)) visible_ = true;
    ++p_;
  }
  void addTail(char c) {
    dots_ += c == '.';
    tailCrs_ += c == '\r';
    ++p_;
    tail_ = text_.substr(static_cast<std::size_t>(tailBegin_ - 1),
                         static_cast<std::size_t>(p_ - tailBegin_));
  }
  // Document positions from `from` up to, not including, `to`.
  static void appendPositions(std::vector<std::int32_t>& map, std::int32_t from, std::int32_t to) {
    for (std::int32_t q = from; q < to; ++q)
      map.push_back(q);
  }

  // Whether the separator c at p_ stays inside the word.
  bool separatorJoinsWord(char c) {
    const std::string_view word = wordSoFar();
    if (c != '.' && !visible_) return true;           // opening marks go with the word after them
    if (c == ',' && endsWithDigit(word)) return true; // thousands comma
    if (c == '\'' && has(p_ + 1) && isAlphanumeric(at(p_ + 1)) && !word.empty() &&
        isAlphanumeric(word.back()))
      return true; // apostrophe inside a word
    if (endsWithDigit(word) && !isTrimmable(c) && isDigit(at(p_ + 1)) && has(p_ + 1))
      return true; // decimals, times, dates and ranges stay one word
    if (c != '.') return false;
    // The word with the dot is the run up to and including p_.
    const std::string_view withDot(word.data(), word.size() + 1);
    return isAbbreviation(withDot) || (has(p_ + 3) && isDomainSuffix(text_.substr(p_, 3))) ||
           word.find('@') != std::string_view::npos || (has(p_ + 1) && isDigit(at(p_ + 1))) ||
           trimView(word).size() == 1;
  }

  // Word characters from p_ on, at most `most` of them, taken as one run.
  // None of them is a full stop: that is a separator.
  std::int32_t addWordRun(std::int32_t most) {
    const std::int32_t from = p_;
    const std::int32_t last = std::min<std::int32_t>(len_, from + most - 1);
    while (p_ <= last && !isWordSeparator(text_[p_ - 1])) {
      if (!isTrimmable(text_[p_ - 1])) visible_ = true;
      ++p_;
    }
    return p_ - from;
  }

  // Step 1, the word: word characters, and the separators that belong to it.
  void readWord() {
    std::int32_t wordChars = 0;
    while (p_ <= len_) {
      const char c = at(p_);
      if (!isWordSeparator(c)) {
        if (wordChars >= MaxWordScan) break;
        wordChars += addWordRun(MaxWordScan - wordChars);
        continue;
      }
      if (!separatorJoinsWord(c)) break;
      addWord(c);
    }
  }

  // Step 2, the tail: separators up to the next word, and the line breaks
  // after a CR or a full stop.
  void readTail() {
    bool absorbing = false;
    while (p_ <= len_) {
      const char c = at(p_);
      if (isWordSeparator(c)) {
        // A quote after white space that opens a word belongs to that word.
        if ((c == '"' || c == '\'') && !tail_.empty() && isTrimmable(tail_.back()) && has(p_ + 1) &&
            !isWordSeparator(at(p_ + 1)))
          break;
        if (c == '\r') {
          absorbing = true;
        } else if (c == '.') {
          const char n = at(p_ + 1);
          absorbing =
              !(has(p_ + 1) && (n == '.' || isClosingMark(n) || isDigit(n))) && at(p_ - 1) != '.';
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
  }

  // A single character left at the end is taken into this word, so that no
  // text is left that a frame reader would not reach.
  void takeLastCharacter() {
    if (p_ == len_ && !isTrimmable(at(p_))) {
      absorbed_ = at(p_);
      ++p_;
    }
  }

  // The CRs after the word. A dotted leader takes the page number after it
  // and the line breaks after that, and forces the line to end.
  void countLineBreaks() {
    // A dotted line holds three dots at least.
    if (absorbed_ || dots_ < 3 || !isDottedLine(word_, tail_)) {
      out_.crs = tailCrs_;
      return;
    }
    while (p_ <= len_ && isWordSeparator(at(p_)))
      addTail(at(p_));
    if (tailCrs_ == 0)
      while (p_ <= len_ && at(p_) != ' ' && !isLineBreakChar(at(p_)))
        addTail(at(p_));
    int crsAfter = 0;
    while (p_ <= len_ && (isWordSeparator(at(p_)) || isLineBreakChar(at(p_)))) {
      crsAfter += at(p_) == '\r';
      ++p_;
    }
    out_.forceBreak = true;
    out_.crs = tailCrs_ + crsAfter;
  }

  // Step 3, the sentence end, character by character of the tail.
  bool sentenceEndInTail() const {
    bool se = false;
    bool candidate = false;
    const bool nextUpper = startsUpper(nextWord_);
    const bool tailHasCR = out_.crs > 0;
    for (std::size_t k = 0; k < tail_.size(); ++k) {
      const char c = tail_[k];
      const auto i = static_cast<std::int64_t>(k);
      if (isStopPunctuation(c)) {
        candidate = true;
        if ((closingMarkAt(tail_, i + 1) && !twoSpacesAfter(tail_, i + 1) && !nextUpper) ||
            (c == ':' && !tailHasCR) || commaAfter(tail_, i))
          candidate = false;
      }
      if (candidate) se = true;
      // A decision against the end also ends the candidate, so that the
      // spaces after the mark do not bring the end back.
      if ((c == ':' && k + 1 < tail_.size() && tail_[k + 1] == '/') ||
          ((c == ';' || c == '!') && !nextUpper))
        se = candidate = false;
      if (c == '?' || c == '\x85' || ((c == ';' || c == '!') && nextUpper)) {
        se = true;
        if ((closingMarkAt(tail_, i + 1) && !twoSpacesAfter(tail_, i + 1) && !nextUpper &&
             !commaAfter(tail_, i)) ||
            commaAfter(tail_, i))
          se = candidate = false;
      }
    }
    return se;
  }

  // A colon line (a tail with ':' and a backslash-n) ends its sentence when
  // a number follows; otherwise the flag goes.
  bool colonLineEnd(bool sentenceEnd) {
    out_.colonLine = state_.ColonLine || (contains(tail_, ':') && contains(tail_, "\\n"));
    if (!out_.colonLine) return sentenceEnd;
    std::int32_t q = p_;
    while (q <= len_ && !isAlphanumeric(at(q)))
      ++q;
    if (q > len_ || !isDigit(at(q))) {
      out_.colonLine = false;
      return sentenceEnd;
    }
    return true;
  }

  // Step 4, the row break: an empty line, or one CR where the sentence ends,
  // the next line opens with a mark or a capital (rule 16), or the source's
  // rule makes every line a row. Word and Outlook rows count as paragraphs.
  bool rowBreak(bool sentenceEnd) {
    int c = out_.crs;
    bool breaks = c >= 2;
    if (c == 1) {
      const bool nextUpper = startsUpper(nextWord_);
      if (sentenceEnd || opensWithMark(nextWord_) ||
          (rule(RuleCapitalizedRows) && nextUpper && !nextWord_.empty() &&
           isLetter(nextWord_[0])) ||
          hasLineBreakTriple(tail_) || (kind_ == SourceKind::Pdf && rule(RulePdfRowPerReturn)) ||
          kind_ == SourceKind::WebPage ||
          (kind_ == SourceKind::PlainText && rule(RuleTextRowPerReturn)))
        breaks = true;
      if ((kind_ == SourceKind::Word && rule(RuleWordRowPerReturn)) ||
          ((kind_ == SourceKind::OutlookExpress || kind_ == SourceKind::Outlook) &&
           rule(RuleOutlookRowPerReturn))) {
        breaks = true;
        c = 2;
      }
    }
    out_.crs = c;
    out_.rowBreak = breaks;
    return breaks;
  }

  // The heading test on the line this word ends: it ends with an empty line
  // and stands after two or more (one with rule 1), or opens the document.
  void testHeading() {
    if (out_.crs < 2) return;
    const std::int32_t ls = state_.LineStartPosition;
    const int before = crsBefore(text_, ls);
    if ((ls > 1 && before == 2 && rule(RuleIsolatedLinesAsHeadings)) || (ls > 1 && before > 2) ||
        ls == 1 || state_.FrameStartPosition == 1)
      out_.heading = true;
  }

  bool atDocumentEnd() const {
    return p_ > len_ || (len_ - p_ + 1 < 3 && trimView(nextWord_).empty());
  }

  // Step 5, the shown word: AutoSkim, then the tail joined on with its line
  // breaks dropped and its ends evened out.
  void buildShownWord() {
    std::string& shown = out_.text;
    shown.assign(word_);
    std::size_t stripped = 0;
    if (!shown.empty()) {
      const std::size_t before = shown.size();
      out_.skimmed = skim(shown);
      if (!out_.skimmed) stripped = before - shown.size();
    }
    if (out_.skimmed) {
      if (absorbed_) shown += absorbed_;
      if (withMap_) out_.map.assign(shown.size(), out_.next);
      return;
    }
    const auto shownFrom = static_cast<std::int32_t>(wordBegin_ + stripped);
    std::vector<std::int32_t>* map = withMap_ ? &out_.map : nullptr;
    if (map) appendPositions(*map, shownFrom, tailBegin_);
    if (out_.forceBreak) {
      const std::string_view trimmedTail = trimView(tail_);
      const bool spaceBetween =
          !shown.empty() && !tail_.empty() && tail_[0] == ' ' && !trimmedTail.empty();
      if (spaceBetween) shown += ' ';
      shown += trimmedTail;
      if (map) map->resize(shown.size(), out_.next);
      return;
    }
    shown += tail_;
    if (map)
      appendPositions(*map, tailBegin_, tailBegin_ + static_cast<std::int32_t>(tail_.size()));
    normaliseEnds(out_.text, map);
    dropLineBreaks(out_.text, map);
    const bool oneCR = tailCrs_ == 1;
    if ((!hasSpace(out_.text) && !out_.text.empty() && isAlphanumeric(out_.text.back())) ||
        (oneCR && (out_.text.empty() || out_.text.back() != ' '))) {
      out_.text += ' ';
      if (map) map->push_back(out_.next);
    }
    if (absorbed_) {
      if (!out_.text.empty() && out_.text.back() != ' ' && isAlphanumeric(absorbed_) &&
          !tail_.empty())
        out_.text += ' ';
      out_.text += absorbed_;
      if (map) map->resize(out_.text.size(), out_.next - 1);
    }
  }

  const EngineState& state_;
  const SettingsRecord& settings_;
  const SourceKind kind_;
  const bool withMap_;
  const CommaListSet* skimWords_;
  const std::string_view text_;
  const std::int32_t len_;

  std::int32_t p_ = 1;
  std::int32_t wordBegin_ = 1;
  std::int32_t tailBegin_ = 1;
  std::string_view word_; // the word without its tail, before AutoSkim
  std::string_view tail_; // the separators after the word, line breaks included
  int dots_ = 0;          // full stops in the word and the tail
  int tailCrs_ = 0;       // CRs in the tail
  bool visible_ = false;  // the word holds more than white space and control characters
  char absorbed_ = 0;
  std::string_view nextWord_; // the first characters of the next word
  WordScan& out_;
};

} // namespace

WordScan scanWord(const EngineState& state, const SettingsRecord& settings, SourceKind kind,
                  std::int32_t position, bool withMap, const CommaListSet* skimWords) {
  WordScan out;
  Scanner(state, settings, kind, withMap, skimWords, out).run(position, true);
  return out;
}

void scanWordInto(WordScan& out, const EngineState& state, const SettingsRecord& settings,
                  SourceKind kind, std::int32_t position, bool withMap,
                  const CommaListSet* skimWords) {
  out.clear();
  Scanner(state, settings, kind, withMap, skimWords, out).run(position, true);
}

WordScan scanWordInFull(const EngineState& state, const SettingsRecord& settings, SourceKind kind,
                        std::int32_t position, bool withMap, const CommaListSet* skimWords) {
  WordScan out;
  Scanner(state, settings, kind, withMap, skimWords, out).run(position, false);
  return out;
}

std::int32_t scanLength(const EngineState& state) {
  return static_cast<std::int32_t>(
      std::min<std::size_t>(state.DocumentText.size(), std::numeric_limits<std::int32_t>::max()));
}

std::string_view nextWordText(const EngineState& state, std::int32_t position) {
  const char* const text = state.DocumentText.data();
  const char* const end = text + scanLength(state);
  const char* from =
      text + std::min<std::int64_t>(std::max<std::int32_t>(position, 1) - 1, end - text);
  while (from < end && isWordSeparator(*from))
    ++from;
  const char* const last = end - from > MaxWordScan ? from + MaxWordScan : end;
  const char* to = from;
  while (to < last && !isWordSeparator(*to))
    ++to;
  return from < end ? std::string_view(from, static_cast<std::size_t>(to - from))
                    : std::string_view();
}

} // namespace engine
