#include "engine/char_classes.h"

#include "engine/text_helpers.h"

namespace engine {

bool isWordSeparator(char c) {
  return WordSeparators.find(c) != std::string_view::npos;
}
bool isLineBreakChar(char c) {
  return LineBreakChars.find(c) != std::string_view::npos;
}
bool isStopPunctuation(char c) {
  return StopPunctuation.find(c) != std::string_view::npos;
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
bool isLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool isAlphanumeric(char c) {
  return isDigit(c) || isLetter(c);
}
bool isCR(char c) {
  return c == '\r';
}
bool isSpace(char c) {
  return c == ' ';
}
bool isDot(char c) {
  return c == '.';
}
bool isExclamation(char c) {
  return c == '!';
}
bool isSemicolon(char c) {
  return c == ';';
}
bool isComma(char c) {
  return c == ',';
}
bool isColon(char c) {
  return c == ':';
}
bool isSlash(char c) {
  return c == '/';
}
bool isTab(std::string_view s) {
  return s == "\t";
}
bool isClausePunctuation(char c) {
  return c == '!' || c == '\'' || c == ',' || c == '.' || c == ':' || c == ';' || c == '?';
}
bool isClosingMark(char c) {
  return c == '"' || c == '\'' || c == ')' || c == '*' || c == ']' || c == '}';
}
bool isTrimmable(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

bool contains(std::string_view s, std::string_view sub) {
  return s.find(sub) != std::string_view::npos;
}
bool startsWith(std::string_view s, std::string_view sub) {
  return s.substr(0, sub.size()) == sub;
}

bool isListItemNumber(std::string_view s) {
  s = trimView(s);
  std::size_t i = 0;
  while (i < s.size() && isDigit(s[i]))
    ++i;
  return i > 0 && i < s.size() && (s[i] == '.' || s[i] == ')');
}

bool startsUpper(std::string_view s) {
  return !s.empty() && upperChar(s[0]) == s[0];
}

bool closingMarkAt(std::string_view s, std::int64_t i) {
  return i >= 0 && i < static_cast<std::int64_t>(s.size()) && isClosingMark(s[i]);
}
bool stopAt(std::string_view s, std::int64_t i) {
  return i >= 0 && i < static_cast<std::int64_t>(s.size()) && isStopPunctuation(s[i]);
}

bool isDottedLine(std::string_view s) {
  int dots = 0;
  int alnums = 0;
  int crs = 0;
  for (char c : s) {
    if (c == '.')
      ++dots;
    else if (isAlphanumeric(c))
      ++alnums;
    else if (c == '\r')
      ++crs;
  }
  if (crs >= 2) return false;
  return (dots >= 6 && alnums < dots) || (dots >= 3 && alnums == 0);
}

int crCount(std::string_view s) {
  int n = 0;
  for (char c : s)
    n += c == '\r';
  return n;
}

bool isLoneApostrophe(std::string_view s) {
  return trimView(s) == "'";
}
bool hasSpace(std::string_view s) {
  return contains(s, " ");
}

bool isPunctuatedGap(std::string_view s) {
  return s.find_first_of(StopPunctuation) != std::string_view::npos && contains(s, "  ");
}

bool opensWithMark(std::string_view s) {
  return !s.empty() && !isAlphanumeric(s[0]);
}

bool hasLineBreakTriple(std::string_view s) {
  return contains(s, " \n\r") || contains(s, "\n\r\t");
}

bool commaAfter(std::string_view s, std::int64_t i) {
  const std::int64_t from = i + 1;
  const auto size = static_cast<std::int64_t>(s.size());
  if (from < 0 || from >= size) return false;
  return s.find(',', static_cast<std::size_t>(from)) != std::string_view::npos;
}

bool twoSpacesAfter(std::string_view s, std::int64_t i) {
  const auto size = static_cast<std::int64_t>(s.size());
  if (i < -1 || i + 2 >= size) return false;
  return s[i + 1] == ' ' && s[i + 2] == ' ';
}

bool ellipsisAfter(std::string_view text, std::int64_t p) {
  if (p < 1) p = 1;
  int dots = 0;
  for (auto i = p - 1; i < static_cast<std::int64_t>(text.size()); ++i) {
    const char c = text[i];
    if (isAlphanumeric(c)) break;
    if (c == '.' && ++dots >= 3) return true;
  }
  return false;
}

int crsBefore(std::string_view text, std::int64_t p) {
  int crs = 0;
  auto i = p - 1; // 1-based position of the character before p
  if (i > static_cast<std::int64_t>(text.size())) i = static_cast<std::int64_t>(text.size());
  for (; i >= 1 && isLineBreakChar(text[i - 1]); --i)
    crs += text[i - 1] == '\r';
  return crs;
}

} // namespace engine
