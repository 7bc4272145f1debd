// Character classes of the word scanner and the string tests that the
// scanner, sentence and heading logic are built from. Every test works on
// single bytes (code page 1252); alphanumeric, letter and digit mean ASCII
// only, so accented letters are neither. String indexes are 0-based; the
// tests that look into the document take 1-based positions.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace engine {

// The separator set, 34 bytes. Space, '+' and backslash are held more than once;
// membership is all that matters to the scanner.
inline constexpr char WordSeparatorBytes[] = {
    ' ', ',', '.', ':', ';', '?', '!',    '-',  '&',  '+',  '\\', '|',  '=', '<', '>',  '~', '^',
    ']', ')', '}', '/', '*', '"', '\x85', '\'', '\r', '\n', '\t', '\0', ' ', '+', '\\', ' ', ' '};
inline constexpr std::string_view WordSeparators{WordSeparatorBytes, 34};
inline constexpr char LineBreakBytes[] = {'\r', '\n', '\t', '\0', '\a', '\f'};
inline constexpr std::string_view LineBreakChars{LineBreakBytes, 6};
inline constexpr std::string_view StopPunctuation{".?;:!\x85", 6};

// Membership of the three sets, looked up in a table of the 256 bytes (the
// scanner asks for every character of the document).
namespace detail {
enum : std::uint8_t { SeparatorBit = 1, LineBreakBit = 2, StopBit = 4 };
constexpr std::array<std::uint8_t, 256> charClassTable() {
  std::array<std::uint8_t, 256> table{};
  const auto mark = [&table](std::string_view set, std::uint8_t bit) {
    for (const char c : set)
      table[static_cast<unsigned char>(c)] |= bit;
  };
  mark(WordSeparators, SeparatorBit);
  mark(LineBreakChars, LineBreakBit);
  mark(StopPunctuation, StopBit);
  return table;
}
inline constexpr std::array<std::uint8_t, 256> CharClasses = charClassTable();
} // namespace detail

inline bool isWordSeparator(char c) {
  return (detail::CharClasses[static_cast<unsigned char>(c)] & detail::SeparatorBit) != 0;
}
inline bool isLineBreakChar(char c) {
  return (detail::CharClasses[static_cast<unsigned char>(c)] & detail::LineBreakBit) != 0;
}
inline bool isStopPunctuation(char c) {
  return (detail::CharClasses[static_cast<unsigned char>(c)] & detail::StopBit) != 0;
}

// Single-character tests.
inline bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
inline bool isLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
inline bool isAlphanumeric(char c) {
  return isDigit(c) || isLetter(c);
}
bool isClausePunctuation(char c);
bool isClosingMark(char c); // " ' ) * ] }
// White space and control characters: what trimming removes.
inline bool isTrimmable(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}
// A character of a word as it stands: neither a separator nor white space or
// a control character.
inline bool isPlainChar(char c) {
  return !isTrimmable(c) && !isWordSeparator(c);
}

// String tests (0-based indexes into s).
bool contains(std::string_view s, std::string_view sub);
bool isListItemNumber(std::string_view s);
bool startsUpper(std::string_view s);
bool closingMarkAt(std::string_view s, std::int64_t i);
bool isDottedLine(std::string_view s);
// isDottedLine of `first` followed by `second`, without joining them.
bool isDottedLine(std::string_view first, std::string_view second);
int crCount(std::string_view s);
// One character: a loop beats the library's search on a word or its tail.
inline bool contains(std::string_view s, char c) {
  for (const char x : s)
    if (x == c) return true;
  return false;
}
inline bool hasSpace(std::string_view s) {
  return contains(s, ' ');
}
bool opensWithMark(std::string_view s);
bool hasLineBreakTriple(std::string_view s);
bool commaAfter(std::string_view s, std::int64_t i);
bool twoSpacesAfter(std::string_view s, std::int64_t i);

// Document tests (1-based positions into text; out-of-range positions are
// treated as the text's edge, never read).
// Walking back from p-1 over LineBreakChars, the number of CRs met.
int crsBefore(std::string_view text, std::int64_t p);

} // namespace engine
