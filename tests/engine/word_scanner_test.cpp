#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/text_rules.h"
#include "engine_fixture.h"

namespace engine {
namespace {

using testing::EngineFixture;
using Words = std::vector<std::string>;

struct WordCase {
  const char* name;
  std::string text;
  Words expected;
};

class WordSplitting : public ::testing::TestWithParam<WordCase> {};

TEST_P(WordSplitting, ReadsTheExpectedWords) {
  EngineFixture fx;
  fx.loadRaw(GetParam().text);
  EXPECT_EQ(fx.words(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Scanner, WordSplitting,
    ::testing::Values(
        WordCase{"decimal", "It costs 3.50 dollars", {"It ", "costs ", "3.50 ", "dollars "}},
        WordCase{"thousands", "There were 1,000 men.", {"There ", "were ", "1,000 ", "men."}},
        WordCase{"abbreviation", "Mr. Smith came.", {"Mr. ", "Smith ", "came."}},
        WordCase{"domainSuffix", "Open readme.txt now", {"Open ", "readme.txt ", "now "}},
        WordCase{"email", "Mail me@example.org today", {"Mail ", "me@example.org ", "today "}},
        WordCase{"initials", "J. R. Tolkien", {"J. ", "R. ", "Tolkien "}},
        WordCase{"hyphen", "well-known fact", {"well-", "known ", "fact "}},
        WordCase{"apostrophe", "don't stop", {"don't ", "stop "}},
        WordCase{"openingQuote", "He said \"yes\" then", {"He ", "said ", "\"yes\" ", "then "}},
        WordCase{"brackets", "(see above) now", {"(see ", "above) ", "now "}},
        WordCase{"times", "At 12:30 or 1-5 pm", {"At ", "12:30 ", "or ", "1-5 ", "pm "}},
        WordCase{"nextDigit", "build v.2 ok", {"build ", "v.2 ", "ok "}},
        WordCase{"ellipsis", "Wait... what", {"Wait... ", "what "}},
        WordCase{"oneLineBreak", "Hello.\rWorld", {"Hello. ", "World "}},
        WordCase{"manyLineBreaks", "end\r\r\r\r\rNext", {"end   ", "Next "}},
        WordCase{"threeLineBreaks", "end\r\r\rNext", {"end ", "Next "}},
        WordCase{"indentation", "     Indented", {"   Indented"}},
        WordCase{"lastSingleCharacter", "It was I", {"It ", "was I"}},
        WordCase{"lineFeedsDropped", "a\n\nbc", {"a ", "bc "}},
        WordCase{"lastCharacterAfterBreak", "a\r\rb", {"a b"}},
        WordCase{"bellAfterDot", "end.\x07\x07 next", {"end. ", "next "}},
        WordCase{"accented", "caf\xE9 cr\xE8me", {"caf\xE9 ", "cr\xE8me "}}),
    [](const auto& info) { return info.param.name; });

TEST(WordScanner, SkipsLeadingLineBreaksAtTheStartOnly) {
  EngineFixture fx("x");
  fx.loadRaw("\r\n\tHello");
  EXPECT_EQ(fx.engine.getNextWord(), "Hello ");
  EXPECT_EQ(fx.state.WordStartPosition, 1);
}

TEST(WordScanner, LeavesCurrentPositionOnTheNextWord) {
  EngineFixture fx("one,  two");
  fx.engine.getNextWord();
  EXPECT_EQ(fx.state.WordStartPosition, 1);
  EXPECT_EQ(fx.state.CurrentPosition, 7);
  EXPECT_EQ(fx.engine.peekNextWord(), "two ");
  EXPECT_EQ(fx.state.CurrentPosition, 7); // a peek moves nothing
}

TEST(WordScanner, DottedLeaderTakesThePageNumberAndForcesABreak) {
  EngineFixture fx("Chapter 1 .......... 5\rChapter 2 .......... 9");
  EXPECT_EQ(fx.engine.getNextWord(), "Chapter ");
  EXPECT_FALSE(fx.state.ForceBreak);
  EXPECT_EQ(fx.engine.getNextWord(), "1 .......... 5");
  EXPECT_TRUE(fx.state.ForceBreak);
  EXPECT_EQ(fx.state.CurrentPosition, 24); // on "Chapter 2"
  EXPECT_EQ(fx.engine.getNextWord(), "Chapter ");
  EXPECT_FALSE(fx.state.ForceBreak);
  EXPECT_EQ(fx.engine.getNextWord(), "2 .......... 9");
}

// ---- Sentence ends ----------------------------------------------------------

struct SentenceCase {
  const char* name;
  const char* text;
  bool sentenceEnd;
};

class SentenceEnds : public ::testing::TestWithParam<SentenceCase> {};

TEST_P(SentenceEnds, AfterTheFirstWord) {
  EngineFixture fx(GetParam().text);
  fx.engine.getNextWord();
  EXPECT_EQ(fx.state.SentenceEnd, GetParam().sentenceEnd) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Sentences, SentenceEnds,
    ::testing::Values(SentenceCase{"dotBeforeCapital", "Hello. World", true},
                      SentenceCase{"dotBeforeLower", "Hello. world", true},
                      SentenceCase{"noPunctuation", "Hello world", false},
                      SentenceCase{"abbreviation", "Mr. Smith", false},
                      SentenceCase{"decimal", "3.5 apples", false},
                      SentenceCase{"initial", "J. Smith", false},
                      SentenceCase{"numberAtSentenceEnd", "1990. The", true},
                      SentenceCase{"questionBeforeLower", "Why? because", true},
                      SentenceCase{"ellipsisCharacter", "So\x85 then", true},
                      SentenceCase{"semicolonBeforeUpper", "Stop; Go", true},
                      SentenceCase{"semicolonBeforeLower", "Stop; go", false},
                      SentenceCase{"exclamationBeforeLower", "Hey! you", false},
                      SentenceCase{"stopBeforeNumber", "Total. 42 more", true},
                      SentenceCase{"colonBeforeSpaces", "Note:   here", false},
                      SentenceCase{"colonBeforeLineBreak", "Note:\rhere", true},
                      SentenceCase{"colonSlash", "http://x.org", false},
                      SentenceCase{"closingQuoteOneSpaceLower", "Yes.\" he said", false},
                      SentenceCase{"closingQuoteTwoSpacesLower", "Yes.\"  he said", true},
                      SentenceCase{"closingQuoteUpper", "Yes.\" He said", true},
                      SentenceCase{"commaLaterInTail", "Yes., no", false},
                      SentenceCase{"lastWord", "End", true}),
    [](const auto& info) { return info.param.name; });

TEST(SentenceEnd, LastWordOfTheDocumentLeavesThePositionAtTheEnd) {
  EngineFixture fx("one two");
  fx.engine.getNextWord();
  EXPECT_FALSE(fx.state.SentenceEnd);
  fx.engine.getNextWord();
  EXPECT_TRUE(fx.state.SentenceEnd);
  EXPECT_EQ(fx.state.CurrentPosition, fx.state.TextLength);
}

// ---- Row breaks ------------------------------------------------------------------

struct RowCase {
  const char* name;
  const char* text;
  SourceKind kind;
  std::vector<TextRule> rules;
  bool rowBreak;
  int count;
};

class RowBreaks : public ::testing::TestWithParam<RowCase> {};

TEST_P(RowBreaks, AfterTheFirstWord) {
  const RowCase& c = GetParam();
  EngineFixture fx(c.text);
  fx.kind = c.kind;
  for (TextRule r : c.rules)
    fx.settings.GeneralTextRules[r] = true;
  fx.engine.getNextWord();
  EXPECT_EQ(fx.state.RowBreak, c.rowBreak);
  EXPECT_EQ(fx.state.LineBreakCount, c.count);
  EXPECT_EQ(fx.state.MultiBreak, c.count > 1);
  if (c.rowBreak) {
    EXPECT_TRUE(fx.state.SentenceEnd);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, RowBreaks,
    ::testing::Values(
        RowCase{"singleBreakJoins", "one\rtwo more", SourceKind::PlainText, {}, false, 1},
        RowCase{"emptyLine", "one\r\rtwo more", SourceKind::PlainText, {}, true, 2},
        RowCase{"sentenceAndBreak", "one.\rtwo more", SourceKind::PlainText, {}, true, 1},
        RowCase{"nextOpensWithMark", "one\r(two more", SourceKind::PlainText, {}, true, 1},
        RowCase{"capitalWithoutRule", "one\rTwo more", SourceKind::PlainText, {}, false, 1},
        RowCase{"capitalRule16",
                "one\rTwo more",
                SourceKind::PlainText,
                {RuleCapitalizedRows},
                true,
                1},
        RowCase{
            "lowerRule16", "one\rtwo more", SourceKind::PlainText, {RuleCapitalizedRows}, false, 1},
        RowCase{
            "digitRule16", "one\r2 more", SourceKind::PlainText, {RuleCapitalizedRows}, false, 1},
        RowCase{"lineBreakTriple", "one \n\rtwo more", SourceKind::PlainText, {}, true, 1},
        RowCase{
            "textRule17", "one\rtwo more", SourceKind::PlainText, {RuleTextRowPerReturn}, true, 1},
        RowCase{
            "textRuleOnWord", "one\rtwo more", SourceKind::Word, {RuleTextRowPerReturn}, false, 1},
        RowCase{"wordRule12Doubles",
                "one\rtwo more",
                SourceKind::Word,
                {RuleWordRowPerReturn},
                true,
                2},
        RowCase{"pdfRule13", "one\rtwo more", SourceKind::Pdf, {RulePdfRowPerReturn}, true, 1},
        RowCase{"outlookRule15",
                "one\rtwo more",
                SourceKind::Outlook,
                {RuleOutlookRowPerReturn},
                true,
                2},
        RowCase{"outlookWithoutRule", "one\rtwo more", SourceKind::Outlook, {}, false, 1},
        RowCase{"webPageAlways", "one\rtwo more", SourceKind::WebPage, {}, true, 1}),
    [](const auto& info) { return info.param.name; });

// ---- The scanner's heading test ---------------------------------------------------

struct HeadingCase {
  const char* name;
  const char* text;
  const char* lineStart; // the line read begins at this text
  bool rule1;
  bool heading;
};

class ScannerHeadings : public ::testing::TestWithParam<HeadingCase> {};

TEST_P(ScannerHeadings, AfterTheLine) {
  const HeadingCase& c = GetParam();
  EngineFixture fx(c.text);
  fx.settings.GeneralTextRules[RuleIsolatedLinesAsHeadings] = c.rule1;
  const auto at = static_cast<std::int32_t>(fx.state.DocumentText.find(c.lineStart)) + 1;
  fx.state.CurrentPosition = fx.state.LineStartPosition = fx.state.FrameStartPosition = at;
  while (!fx.state.SentenceEnd)
    fx.engine.getNextWord();
  EXPECT_EQ(fx.state.HeadingFound, c.heading);
}

INSTANTIATE_TEST_SUITE_P(
    Headings, ScannerHeadings,
    ::testing::Values(
        HeadingCase{"atStart", "Title\r\rBody text here.", "Title", false, true},
        HeadingCase{"atStartWithoutEmptyLine", "Title\rbody text here.", "Title", false, false},
        HeadingCase{"afterOneEmptyLine", "Para.\r\rSub title\r\rBody.", "Sub", false, false},
        HeadingCase{"afterOneEmptyLineRule1", "Para.\r\rSub title\r\rBody.", "Sub", true, true},
        HeadingCase{"afterSeveralEmptyLines", "Para.\r\r\r\rSub title\r\rBody.", "Sub", false,
                    true},
        HeadingCase{"notFollowedByEmptyLine", "Para.\r\r\rSub title.\rBody.", "Sub", false, false}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace engine
