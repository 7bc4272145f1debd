#include "engine/char_classes.h"

#include "engine/text_helpers.h"

namespace engine {

bool isClausePunctuation(char c) {
  return c == '!' || c == '\'' || c == ',' || c == '.' || c == ':' || c == ';' || c == '?';
}
bool isClosingMark(char c) {
  return c == '"' || c == '\'' || c == ')' || c == '*' || c == ']' || c == '}';
}

bool contains(std::string_view s, std::string_view sub) {
  return s.find(sub) != std::string_view::npos;
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

bool isDottedLine(std::string_view s) {
  return isDottedLine(s, {});
}

bool isDottedLine(std::string_view first, std::string_view second) {
  int dots = 0;
  int alnums = 0;
  int crs = 0;
  for (const std::string_view part : {first, second}) {
    for (char c : part) {
      if (c == '.')
        ++dots;
      else if (isAlphanumeric(c))
        ++alnums;
      else if (c == '\r')
        ++crs;
    }
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

int crsBefore(std::string_view text, std::int64_t p) {
  int crs = 0;
  auto i = p - 1; // 1-based position of the character before p
  if (i > static_cast<std::int64_t>(text.size())) i = static_cast<std::int64_t>(text.size());
  for (; i >= 1 && isLineBreakChar(text[i - 1]); --i)
    crs += text[i - 1] == '\r';
  return crs;
}

} // namespace engine
