// Headings: the detector run once per line start, the flags set after each
// line, and the check that keeps or drops a heading of a Word document.
#include <algorithm>

#include "engine/char_classes.h"
#include "engine/text_engine.h"
#include "engine/text_helpers.h"

namespace engine {

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

bool TextEngine::detectHeading() {
  EngineState& s = state_;
  const std::string& t = s.DocumentText;
  const std::int32_t len = scanLength();
  if (s.HeadingCandidate) return true;

  // Items: a word with the separators after it up to a CR, or a CR with the
  // spaces after it (a blank).
  const int maxWords = settings_.HeadingMaxWords;
  const int before = crsBefore(t, s.LineStartPosition);
  const bool afterBlankLines = (before == 2 && rule(RuleIsolatedLinesAsHeadings)) || before > 2;
  std::int32_t p = std::max<std::int32_t>(s.LineStartPosition, 1);
  // Most lines start with a word and stand after no blank line: the loop
  // below would find that one word and stop, and such a line is no heading.
  if (!afterBlankLines && maxWords >= 0 && p <= len && isPlainChar(t[p - 1])) {
    s.HeadingCandidate = false;
    return false;
  }
  int words = 0;
  int blanks = 0;
  // A line that does not stand after blank lines is no heading however many
  // words it has: only whether it has a word at all is looked for, which
  // spares most line starts a scan of the words after them.
  while (p <= len && words <= maxWords && (afterBlankLines || words == 0)) {
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
    result = blanks > 1 && afterBlankLines;
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

} // namespace engine
