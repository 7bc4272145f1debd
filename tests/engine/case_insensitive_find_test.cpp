// findFromCaseInsensitive on texts long enough for its sixteen-at-a-time
// sifting, checked against a plain search start by start: a match on every
// side of a block edge, at the text's end, and bytes that differ from a
// letter only in the case bit.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/text_helpers.h"

namespace engine {
namespace {

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
}

} // namespace
} // namespace engine
