// The scanner's string tests and helpers at the string's edges, and the
// case-insensitive find on texts long enough for its 16-byte blocks.
#include "engine/char_classes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "engine/text_helpers.h"

namespace engine {
namespace {

using namespace std::string_literals;

TEST(StringTests, IndexedTestsStayInsideTheString) {
  const struct {
    bool (*test)(std::string_view, std::int64_t);
    std::string_view s;
    std::int64_t i;
    bool expected;
  } cases[] = {{closingMarkAt, ".\"", 1, true},   {closingMarkAt, ".\"", 2, false},
               {closingMarkAt, ".\"", -1, false}, {commaAfter, ". ,", 0, true},
               {commaAfter, ".", 0, false},       {twoSpacesAfter, ".  ", 0, true},
               {twoSpacesAfter, ". ", 0, false},  {twoSpacesAfter, "", 40, false}};
  for (const auto& c : cases)
    EXPECT_EQ(c.test(c.s, c.i), c.expected) << '"' << c.s << "\" at " << c.i;
  const std::string text = "wait... then\r\n\r\rNext";
  // Before "Next": CR LF CR CR; past the end the last character is a letter.
  for (const auto& [p, crs] : {std::pair{17, 3}, {13, 0}, {1, 0}, {500, 0}})
    EXPECT_EQ(crsBefore(text, p), crs) << p;
  EXPECT_EQ(crsBefore("a\r\r", 500), 2);
}

TEST(TextHelpers, TrimFindLastAndReplace) {
  EXPECT_EQ(trim(" \t\r\x01 a b\r\0"s), "a b");
  EXPECT_EQ(trim("\x85x\xA0"), "\x85x\xA0"); // bytes above 0x7F are kept
  const std::string s = "a\r\rb\r\rc";
  for (const auto& [before, expected] : {std::pair{6, 5}, {5, 2}, {2, 0}, {1000, 5}})
    EXPECT_EQ(lastOccurrenceBefore(s, "\r\r", before), expected) << before;
  EXPECT_EQ(replaceAll("abab", "ab", "abab"), "abababab");
  // Against string::find on texts full of near misses for the searcher's skips.
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    std::string text;
    for (int i = static_cast<int>(random() % 60); i > 0; --i)
      text += " a\r"[random() % 3];
    for (const std::string from : {"     ", " \r", "\r a", "aa"}) {
      std::string expected;
      std::size_t at = 0;
      for (std::size_t hit; (hit = text.find(from, at)) != std::string::npos;
           at = hit + from.size())
        expected += text.substr(at, hit - at) + "_";
      EXPECT_EQ(replaceAll(text, from, "_"), expected + text.substr(at)) << text;
    }
  }
}

// Every start compared in full, ASCII case ignored.
std::int64_t plainFind(std::string_view s, std::string_view sub, std::int64_t offset) {
  for (std::size_t i = static_cast<std::size_t>(std::max<std::int64_t>(offset, 1) - 1);
       !sub.empty() && i + sub.size() <= s.size(); ++i) {
    bool same = true;
    for (std::size_t k = 0; k < sub.size() && same; ++k)
      same = lowerChar(s[i + k]) == lowerChar(sub[k]);
    if (same) return static_cast<std::int64_t>(i) + 1;
  }
  return 0;
}

// A match on every side of a block edge and at the text's end, in the case
// turned around so that only a search that folds case finds it.
TEST(CaseInsensitiveFind, MatchesAtEveryPlaceOfALongText) {
  const std::string filler(70, 'x');
  for (const std::string_view needle : {"Zebra", "q", "at@[", "`a{", "NEEDLE in", "ab"}) {
    for (std::size_t at = 0; at + needle.size() <= filler.size(); ++at) {
      std::string text = filler;
      for (std::size_t k = 0; k < needle.size(); ++k) {
        const char c = needle[k];
        text[at + k] = lowerChar(c) == c ? upperChar(c) : lowerChar(c);
      }
      for (const std::int64_t offset : {0, 1, 2, 17, static_cast<int>(at) + 1, 99})
        EXPECT_EQ(findFromCaseInsensitive(text, needle, offset), plainFind(text, needle, offset))
            << needle << " at " << at << " from " << offset;
    }
  }
  EXPECT_EQ(findFromCaseInsensitive(filler, "", 1), 0);
  EXPECT_EQ(findFromCaseInsensitive("abc", "abcd", 1), 0);
}

// '@' and '`', '[' and '{' differ in the case bit like 'A' and 'a', but are
// not letters: neither stands in for the other.
TEST(CaseInsensitiveFind, BytesOneBitFromALetterDoNotMatch) {
  const std::string text =
      std::string(40, '.') + "@[" + std::string(40, '.') + "a{" + std::string(20, '.');
  for (const auto& [needle, expected] : {std::pair<std::string_view, int>{"`{", 0},
                                         {"@[", 41},
                                         {"A{", 83},
                                         {"a[", 0},
                                         {"`[", 0},
                                         {"@{", 0}})
    EXPECT_EQ(findFromCaseInsensitive(text, needle, 1), expected) << needle;
}

} // namespace
} // namespace engine
