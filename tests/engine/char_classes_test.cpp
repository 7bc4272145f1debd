// The string tests the scanner is built from, at the edges of their
// thresholds and where a read could leave the string.
#include "engine/char_classes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/abbreviations.h"
#include "engine/text_helpers.h"
#include "engine/text_rules.h"

namespace engine {
namespace {

using namespace std::string_literals;

TEST(StringTests, OnWholeStrings) {
  const struct {
    const char* name;
    bool (*test)(std::string_view);
    std::vector<const char*> yes, no;
  } cases[] = {
      {"list item",
       isListItemNumber,
       {"1.", "12)", "  3. Item", "\r7)"},
       {"1", "a.", ".1", "1,", "x1.", ""}},
      // Anything that is not a lower-case letter counts as upper case.
      {"upper", startsUpper, {"The", "1990", "\"so"}, {"the", ""}},
      // Three dots and no letters, or more dots than letters and digits.
      {"dotted",
       isDottedLine,
       {"...", "Ch 1.......", ". . . . . . 5"},
       {"..", "...a", "Introduction......", "......\r\r", ""}},
  };
  for (const auto& c : cases) {
    for (const char* s : c.yes)
      EXPECT_TRUE(c.test(s)) << c.name << " \"" << s << '"';
    for (const char* s : c.no)
      EXPECT_FALSE(c.test(s)) << c.name << " \"" << s << '"';
  }
}

TEST(StringTests, IndexedTestsStayInsideTheString) {
  const struct {
    const char* name;
    bool (*test)(std::string_view, std::int64_t);
    std::string_view s;
    std::int64_t i;
    bool expected;
  } cases[] = {
      {"closing", closingMarkAt, ".\"", 1, true},   {"closing", closingMarkAt, ".\"", 2, false},
      {"closing", closingMarkAt, ".\"", -1, false}, {"comma", commaAfter, ". ,", 0, true},
      {"comma", commaAfter, ",. ", 1, false},       {"comma", commaAfter, ".", 0, false},
      {"spaces", twoSpacesAfter, ".  ", 0, true},   {"spaces", twoSpacesAfter, ". ", 0, false},
      {"spaces", twoSpacesAfter, ".  ", 1, false},  {"spaces", twoSpacesAfter, "", 40, false}};
  for (const auto& c : cases)
    EXPECT_EQ(c.test(c.s, c.i), c.expected) << c.name << " \"" << c.s << "\" at " << c.i;
  const std::string text = "wait... then\r\n\r\rNext";
  const std::pair<std::int64_t, int> before[] = {
      {17, 3}, // before "Next": CR LF CR CR
      {13, 0}, // a letter before
      {1, 0},
      {500, 0}}; // past the end: the last character is a letter
  for (const auto& [p, crs] : before)
    EXPECT_EQ(crsBefore(text, p), crs) << p;
  EXPECT_EQ(crsBefore("a\r\r", 500), 2);
}

TEST(TextHelpers, TrimFindLastAndReplace) {
  EXPECT_EQ(trim(" \t\r\x01 a b\r\0"s), "a b");
  EXPECT_EQ(trim("\x85x\xA0"), "\x85x\xA0"); // bytes above 0x7F are kept
  const std::string s = "a\r\rb\r\rc";
  const std::pair<std::int64_t, std::int64_t> lasts[] = {{6, 5}, {5, 2}, {2, 0}, {1000, 5}};
  for (const auto& [before, expected] : lasts)
    EXPECT_EQ(lastOccurrenceBefore(s, "\r\r", before), expected) << before;
  EXPECT_TRUE(inCommaList(",a,bc,", "bc"));
  EXPECT_FALSE(inCommaList(",a,bc,", "b") || inCommaList(",a,bc,", "BC"));
  EXPECT_EQ(replaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(replaceAll("abc", "", "z"), "abc");
  EXPECT_EQ(replaceAll("abab", "ab", "abab"), "abababab");
}

TEST(Abbreviations, MatchCaseSensitivelyAfterLeadingMarks) {
  for (const char* word : {"Mr.", "(Mr.", "\"Dr."})
    EXPECT_TRUE(isAbbreviation(word)) << word;
  for (const char* word : {"mr.", "Mrs", "x.", ""})
    EXPECT_FALSE(isAbbreviation(word)) << word;
  EXPECT_TRUE(isDomainSuffix("COM")); // in any case
  EXPECT_FALSE(isDomainSuffix("html") || isDomainSuffix("the"));
}

TEST(TextRules, PunctuatedBreakUp) {
  SettingsRecord settings;
  EXPECT_FALSE(isPunctuatedBreak(settings, "word,")); // rule off
  settings.GeneralTextRules[RulePunctuatedBreakUp] = true;
  for (const char* word : {"word, ", "(aside) ", "well-"})
    EXPECT_TRUE(isPunctuatedBreak(settings, word)) << word;
  for (const char* word : {"word.", "word", ""})
    EXPECT_FALSE(isPunctuatedBreak(settings, word)) << word;
}

// ---- findFromCaseInsensitive ----------------------------------------------------
// On texts long enough for its sixteen-at-a-time sifting, checked against a
// plain search start by start: a match on every side of a block edge, at the
// text's end, and bytes that differ from a letter only in the case bit.

// Every start compared in full, ASCII case ignored.
std::int64_t plainFind(std::string_view s, std::string_view sub, std::int64_t offset) {
  if (sub.empty()) return 0;
  if (offset < 1) offset = 1;
  for (std::int64_t i = offset - 1;
       i + static_cast<std::int64_t>(sub.size()) <= static_cast<std::int64_t>(s.size()); ++i) {
    bool same = true;
    for (std::size_t k = 0; k < sub.size() && same; ++k)
      same = lowerChar(s[static_cast<std::size_t>(i) + k]) == lowerChar(sub[k]);
    if (same) return i + 1;
  }
  return 0;
}

TEST(CaseInsensitiveFind, MatchesAtEveryPlaceOfALongText) {
  const std::string filler(70, 'x');
  const std::string_view needles[] = {"Zebra", "q", "at@[", "`a{", "NEEDLE in", "ab"};
  for (const std::string_view needle : needles) {
    for (std::size_t at = 0; at + needle.size() <= filler.size(); ++at) {
      std::string text = filler;
      // The needle with its case turned around, so only a search that folds
      // case finds it.
      for (std::size_t k = 0; k < needle.size(); ++k) {
        const char c = needle[k];
        text[at + k] = lowerChar(c) == c ? upperChar(c) : lowerChar(c);
      }
      for (const std::int64_t offset : {1, 2, 17, static_cast<int>(at) + 1}) {
        EXPECT_EQ(findFromCaseInsensitive(text, needle, offset), plainFind(text, needle, offset))
            << needle << " at " << at << " from " << offset;
      }
    }
  }
}

TEST(CaseInsensitiveFind, BytesOneBitFromALetterDoNotMatch) {
  // '@' and '`', '[' and '{' differ in the case bit like 'A' and 'a', but
  // are not letters: neither stands in for the other.
  const std::string text =
      std::string(40, '.') + "@[" + std::string(40, '.') + "a{" + std::string(20, '.');
  const struct {
    std::string_view needle;
    std::int64_t expected;
  } cases[] = {{"`{", 0}, {"@[", 41}, {"A{", 83}, {"a[", 0}, {"`[", 0}, {"@{", 0}};
  for (const auto& c : cases)
    EXPECT_EQ(findFromCaseInsensitive(text, c.needle, 1), c.expected) << c.needle;
}

TEST(CaseInsensitiveFind, FirstOfSeveralMatchesAndTheTextEnd) {
  std::string text(100, ' ');
  text.replace(20, 3, "CAT");
  text.replace(21 + 16, 3, "cat");
  text.replace(97, 3, "Cat");
  EXPECT_EQ(findFromCaseInsensitive(text, "cat", 1), 21);
  EXPECT_EQ(findFromCaseInsensitive(text, "cat", 22), 38);
  EXPECT_EQ(findFromCaseInsensitive(text, "cat", 39), 98);
  EXPECT_EQ(findFromCaseInsensitive(text, "cat", 99), 0);
  EXPECT_EQ(findFromCaseInsensitive(text, "cats", 1), 0);
  EXPECT_EQ(findFromCaseInsensitive(text, "cat", 0), 21); // offsets below 1 count as 1
  EXPECT_EQ(findFromCaseInsensitive(text, "", 1), 0);
  EXPECT_EQ(findFromCaseInsensitive("abc", "abcd", 1), 0);
}

} // namespace
} // namespace engine
