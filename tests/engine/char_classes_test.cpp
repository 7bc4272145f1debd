#include "engine/char_classes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/abbreviations.h"
#include "engine/text_helpers.h"
#include "engine/text_rules.h"

namespace engine {
namespace {

using namespace std::string_literals;

TEST(CharacterSets, HaveTheirSizesAndMembers) {
  EXPECT_EQ(WordSeparators.size(), 34u);
  EXPECT_EQ(LineBreakChars.size(), 6u);
  EXPECT_EQ(StopPunctuation.size(), 6u);
  for (char c : " ,.:;?!-&+\\|=<>~^])}/*\"\x85'\r\n\t"s)
    EXPECT_TRUE(isWordSeparator(c)) << int(c);
  EXPECT_TRUE(isWordSeparator('\0'));
  for (char c : "([{aZ09_@#$%\xE9\xB7"s)
    EXPECT_FALSE(isWordSeparator(c)) << int(c);
  for (char c : "\r\n\t\a\f"s)
    EXPECT_TRUE(isLineBreakChar(c));
  EXPECT_TRUE(isLineBreakChar('\0'));
  EXPECT_FALSE(isLineBreakChar(' '));
  EXPECT_FALSE(isLineBreakChar('\v'));
  for (char c : ".?;:!\x85"s)
    EXPECT_TRUE(isStopPunctuation(c));
  for (char c : ",-'\" \r"s)
    EXPECT_FALSE(isStopPunctuation(c));
}

TEST(CharacterTests, AreAsciiOnly) {
  const struct {
    char c;
    bool alnum, letter, digit, clause;
  } cases[] = {
      {'a', true, true, false, false},      {'Z', true, true, false, false},
      {'0', true, false, true, false},      {'9', true, false, true, false},
      {'\xE9', false, false, false, false}, {'\xC9', false, false, false, false},
      {'!', false, false, false, true},     {'\'', false, false, false, true},
      {',', false, false, false, true},     {'.', false, false, false, true},
      {':', false, false, false, true},     {';', false, false, false, true},
      {'?', false, false, false, true},     {'-', false, false, false, false},
      {'_', false, false, false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(isAlphanumeric(c.c), c.alnum) << c.c;
    EXPECT_EQ(isLetter(c.c), c.letter) << c.c;
    EXPECT_EQ(isDigit(c.c), c.digit) << c.c;
    EXPECT_EQ(isClausePunctuation(c.c), c.clause) << c.c;
  }
  EXPECT_TRUE(isCR('\r'));
  EXPECT_FALSE(isCR('\n'));
  EXPECT_TRUE(isTab("\t"));
  EXPECT_FALSE(isTab("\t\t"));
  EXPECT_FALSE(isTab(""));
  for (char c : ")\"'*]}"s)
    EXPECT_TRUE(isClosingMark(c));
  for (char c : "([{."s)
    EXPECT_FALSE(isClosingMark(c));
}

TEST(StringTests, ListItemNumbers) {
  const struct {
    const char* s;
    bool expected;
  } cases[] = {{"1.", true},  {"12)", true}, {"  3. Item", true}, {"1", false},   {"a.", false},
               {".1", false}, {"1,", false}, {"", false},         {"\r7)", true}, {"x1.", false}};
  for (const auto& c : cases)
    EXPECT_EQ(isListItemNumber(c.s), c.expected) << c.s;
}

TEST(StringTests, StartsUpperIsTrueForDigitsAndPunctuation) {
  EXPECT_TRUE(startsUpper("The"));
  EXPECT_TRUE(startsUpper("1990"));
  EXPECT_TRUE(startsUpper("\"so"));
  EXPECT_FALSE(startsUpper("the"));
  EXPECT_FALSE(startsUpper(""));
}

TEST(StringTests, DottedLines) {
  const struct {
    const char* s;
    bool expected;
  } cases[] = {
      {"...", true},                 // three dots, no letters
      {"..", false},                 // two are not enough
      {"...a", false},               // a letter with only three dots
      {"Introduction......", false}, // six dots but more letters
      {"Ch 1.......", true},         // seven dots, three alphanumerics
      {"......\r\r", false},         // two CRs
      {". . . . . . 5", true},       // spaced dots and a page number
      {"", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(isDottedLine(c.s), c.expected) << c.s;
}

TEST(StringTests, IndexedTestsStayInsideTheString) {
  EXPECT_TRUE(closingMarkAt(".\"", 1));
  EXPECT_FALSE(closingMarkAt(".\"", 2));
  EXPECT_FALSE(closingMarkAt(".\"", -1));
  EXPECT_TRUE(stopAt("a?", 1));
  EXPECT_FALSE(stopAt("a?", 5));
  EXPECT_TRUE(commaAfter(". ,", 0));
  EXPECT_FALSE(commaAfter(",. ", 1));
  EXPECT_FALSE(commaAfter(".", 0)); // i + 1 is not below the length
  EXPECT_TRUE(twoSpacesAfter(".  ", 0));
  EXPECT_FALSE(twoSpacesAfter(". ", 0));
  EXPECT_FALSE(twoSpacesAfter(".  ", 1));
  EXPECT_FALSE(twoSpacesAfter("", 40));
}

TEST(StringTests, OtherStringTests) {
  EXPECT_EQ(crCount("a\r\rb\r\n"), 3);
  EXPECT_TRUE(isLoneApostrophe(" ' "));
  EXPECT_FALSE(isLoneApostrophe("''"));
  EXPECT_TRUE(isPunctuatedGap("end.  next"));
  EXPECT_FALSE(isPunctuatedGap("end. next"));
  EXPECT_FALSE(isPunctuatedGap("end,  next"));
  EXPECT_TRUE(opensWithMark("(see"));
  EXPECT_TRUE(opensWithMark("\"Hi"));
  EXPECT_TRUE(opensWithMark("\xC9t\xE9"));
  EXPECT_FALSE(opensWithMark("see"));
  EXPECT_FALSE(opensWithMark(""));
  EXPECT_TRUE(hasLineBreakTriple("a \n\rb"));
  EXPECT_TRUE(hasLineBreakTriple("a\n\r\tb"));
  EXPECT_FALSE(hasLineBreakTriple("a\r\n\tb"));
  EXPECT_TRUE(contains("abc", "bc"));
  EXPECT_FALSE(contains("abc", "BC"));
  EXPECT_TRUE(startsWith("abc", "ab"));
  EXPECT_FALSE(startsWith("a", "ab"));
}

TEST(DocumentTests, EllipsisAfterAndCRsBefore) {
  const std::string text = "wait... then\r\n\r\rNext";
  EXPECT_TRUE(ellipsisAfter(text, 5));
  EXPECT_FALSE(ellipsisAfter(text, 6));  // only two dots left
  EXPECT_FALSE(ellipsisAfter(text, 1));  // letters first
  EXPECT_FALSE(ellipsisAfter(text, 99)); // past the end
  EXPECT_EQ(crsBefore(text, 17), 3);     // before "Next": CR LF CR CR
  EXPECT_EQ(crsBefore(text, 13), 0);     // a letter before
  EXPECT_EQ(crsBefore(text, 1), 0);
  EXPECT_EQ(crsBefore(text, 500), 0); // past the end: last char is a letter
  EXPECT_EQ(crsBefore("a\r\r", 500), 2);
}

TEST(TextHelpers, Trim) {
  EXPECT_EQ(trim(" \t\r\x01 a b\r\0"s), "a b");
  EXPECT_EQ(trim("\x85x\xA0"), "\x85x\xA0"); // bytes above 0x7F are kept
  EXPECT_EQ(trim("   "), "");
}

TEST(TextHelpers, CaseInsensitiveSearchFromAnOffset) {
  const struct {
    const char* s;
    const char* sub;
    std::int64_t offset, expected;
  } cases[] = {{"Hello hello", "HELLO", 1, 1}, {"Hello hello", "hello", 2, 7},
               {"Hello", "lo", 5, 0},          {"Hello", "", 1, 0},
               {"Hello", "o", 0, 5},           {"Hello", "o", 99, 0},
               {"abc", "abcd", 1, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(findFromCaseInsensitive(c.s, c.sub, c.offset), c.expected) << c.s << "/" << c.sub;
}

TEST(TextHelpers, LastOccurrenceEndingAtOrBefore) {
  const std::string s = "a\r\rb\r\rc";
  EXPECT_EQ(lastOccurrenceBefore(s, "\r\r", 7), 5);
  EXPECT_EQ(lastOccurrenceBefore(s, "\r\r", 6), 5); // ends exactly at 6
  EXPECT_EQ(lastOccurrenceBefore(s, "\r\r", 5), 2);
  EXPECT_EQ(lastOccurrenceBefore(s, "\r\r", 2), 0);
  EXPECT_EQ(lastOccurrenceBefore(s, "\r\r", 0), 0);
  EXPECT_EQ(lastOccurrenceBefore(s, "\r\r", 1000), 5);
  EXPECT_EQ(lastOccurrenceBefore(s, "A", 7), 0); // case-sensitive
}

TEST(TextHelpers, CommaListsAndReplaceAll) {
  EXPECT_TRUE(inCommaList(",a,bc,", "bc"));
  EXPECT_FALSE(inCommaList(",a,bc,", "b"));
  EXPECT_FALSE(inCommaList(",a,bc,", "BC"));
  EXPECT_EQ(replaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(replaceAll("x\ry\r", "\r", ""), "xy");
  EXPECT_EQ(replaceAll("abc", "", "z"), "abc");
  EXPECT_EQ(replaceAll("abab", "ab", "abab"), "abababab");
}

TEST(AbbreviationList, HoldsTheStoredEntries) {
  const std::string_view list = AbbreviationList;
  ASSERT_EQ(list.front(), ',');
  ASSERT_EQ(list.back(), ',');
  EXPECT_EQ(std::count(list.begin(), list.end(), ','), AbbreviationCount + 1);
  EXPECT_EQ(AbbreviationCount, 193);
  EXPECT_TRUE(list.starts_with(",N.,J.,N.,Y.,E.,g.,"));
  EXPECT_TRUE(list.ends_with(",phd.,http://www.,www.,"));
  EXPECT_TRUE(inCommaList(list, "Maine\xC2\xA0Md."));
  EXPECT_TRUE(inCommaList(list, "Ohio\xC2\xA0Okla."));
  EXPECT_TRUE(inCommaList(list, "Utah\xC2\xA0Vt."));
}

TEST(AbbreviationList, MatchesCaseSensitivelyAfterLeadingMarks) {
  const struct {
    const char* word;
    bool expected;
  } cases[] = {{"Mr.", true},   {"mr.", false},  {"(Mr.", true}, {"\"Dr.", true},
               {"etc.", true},  {"Etc.", false}, {"e.", true},   {"Mrs", false},
               {"Sept.", true}, {"Jul.", true},  {"x.", false},  {"", false}};
  for (const auto& c : cases)
    EXPECT_EQ(isAbbreviation(c.word), c.expected) << c.word;
}

TEST(DomainSuffixList, OnlyThreeLetterEntriesMatch) {
  EXPECT_EQ(DomainSuffixList, ",asp,com,txt,zip,exe,doc,pdf,eml,ppt,net,org,html,htm,swf,go,ro,");
  EXPECT_TRUE(isDomainSuffix("txt"));
  EXPECT_TRUE(isDomainSuffix("COM"));
  EXPECT_TRUE(isDomainSuffix("htm"));
  EXPECT_FALSE(isDomainSuffix("html"));
  EXPECT_FALSE(isDomainSuffix("go "));
  EXPECT_FALSE(isDomainSuffix("the"));
}

TEST(TextRules, PunctuatedBreakUp) {
  SettingsRecord settings;
  EXPECT_FALSE(isPunctuatedBreak(settings, "word,")); // rule off
  settings.GeneralTextRules[RulePunctuatedBreakUp] = true;
  const struct {
    const char* word;
    bool expected;
  } cases[] = {{"word, ", true}, {"word;", true},  {"(aside) ", true}, {"[1]", true},
               {"well-", true},  {"boys' ", true}, {"word.", false},   {"word", false},
               {"", false},      {"   ", false}};
  for (const auto& c : cases)
    EXPECT_EQ(isPunctuatedBreak(settings, c.word), c.expected) << c.word;
}

TEST(TextRules, ReplyCharactersAfterLineBreaksGo) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {">first\r> > quoted\rplain", ">first\r quoted\rplain"}, // the first character stays
      {"a\r>b", "a\rb"},
      {"a\r > > >b", "a\rb"},
      {"a > b", "a > b"},
      {"", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(removeReplyCharacters(c.in), c.out) << c.in;
}

} // namespace
} // namespace engine
