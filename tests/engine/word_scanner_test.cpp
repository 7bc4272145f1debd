#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/text_rules.h"
#include "engine_fixture.h"

namespace engine {
namespace {

using testing::EngineFixture;
using Words = std::vector<std::string>;

TEST(WordScanner, SplitsTheTextIntoWords) {
  const struct {
    std::string text;
    Words expected;
  } cases[] = {
      {"There were 1,000 men.", {"There ", "were ", "1,000 ", "men."}},
      {"Mail me@example.org today", {"Mail ", "me@example.org ", "today "}},
      {"well-known fact", {"well-", "known ", "fact "}},
      {"He said \"yes\" then", {"He ", "said ", "\"yes\" ", "then "}},
      {"(see above) now", {"(see ", "above) ", "now "}},
      {"At 12:30 or 1-5 pm", {"At ", "12:30 ", "or ", "1-5 ", "pm "}},
      {"Wait... what", {"Wait... ", "what "}},
      {"Hello.\rWorld", {"Hello. ", "World "}},
      {"end\r\r\r\r\rNext", {"end   ", "Next "}},
      {"end\r\r\rNext", {"end ", "Next "}},
      {"     Indented", {"   Indented"}},
      {"It was I", {"It ", "was I"}},
      {"a\n\nbc", {"a ", "bc "}},
      {"a\r\rb", {"a b"}},
      {"end.\x07\x07 next", {"end. ", "next "}},
      {"caf\xE9 cr\xE8me", {"caf\xE9 ", "cr\xE8me "}},
  };
  for (const auto& c : cases) {
    EngineFixture fx;
    fx.loadRaw(c.text);
    EXPECT_EQ(fx.words(), c.expected) << c.text;
  }
}

TEST(WordScanner, PositionsSkipLeadingBreaksAndRestOnTheNextWord) {
  EngineFixture fx;
  fx.loadRaw("\r\n\tHello, two");
  EXPECT_EQ(fx.engine.getNextWord(), "Hello, ");
  EXPECT_EQ(fx.state.WordStartPosition, 1);
  EXPECT_EQ(fx.state.CurrentPosition, 11);
  EXPECT_EQ(fx.engine.peekNextWord(), "two ");
  EXPECT_EQ(fx.state.CurrentPosition, 11); // a peek moves nothing
  fx.engine.getNextWord();
  EXPECT_EQ(fx.state.CurrentPosition, fx.state.TextLength);
}

TEST(WordScanner, SentenceEndsAfterTheFirstWord) {
  const struct {
    const char* text;
    bool sentenceEnd;
  } cases[] = {{"Mr. Smith", false},
               {"3.5 apples", false},
               {"J. Smith", false},
               {"1990. The", true},
               {"So\x85 then", true},
               {"Stop; Go", true},
               {"Stop; go", false},
               {"Hey! you", false},
               {"Total. 42 more", true},
               {"Note:   here", false},
               {"Note:\rhere", true},
               {"http://x.org", false},
               {"Yes.\" he said", false},
               {"Yes.\"  he said", true},
               {"Yes., no", false},
               {"End", true},
               // Abbreviations are matched case-sensitively, after leading marks.
               {"mr. Smith", true},
               {"(Mr. Smith", false}};
  for (const auto& c : cases) {
    EngineFixture fx(c.text);
    fx.engine.getNextWord();
    EXPECT_EQ(fx.state.SentenceEnd, c.sentenceEnd) << c.text;
  }
}

TEST(WordScanner, RowBreaksFollowTheLineBreaksTheSourceAndTheRules) {
  using K = SourceKind;
  const struct {
    const char* text;
    K kind;
    int rule; // -1: none
    bool rowBreak;
    int count;
  } cases[] = {
      {"one\rtwo more", K::PlainText, -1, false, 1},
      {"one\r\rtwo more", K::PlainText, -1, true, 2},
      {"one.\rtwo more", K::PlainText, -1, true, 1},
      {"one\r(two more", K::PlainText, -1, true, 1},
      {"one\rTwo more", K::PlainText, -1, false, 1},
      {"one\rTwo more", K::PlainText, RuleCapitalizedRows, true, 1},
      {"one\r2 more", K::PlainText, RuleCapitalizedRows, false, 1},
      {"one \n\rtwo more", K::PlainText, -1, true, 1},
      {"one\rtwo more", K::PlainText, RuleTextRowPerReturn, true, 1},
      {"one\rtwo more", K::Word, RuleTextRowPerReturn, false, 1}, // a rule of another source
      {"one\rtwo more", K::Word, RuleWordRowPerReturn, true, 2},
      {"one\rtwo more", K::Outlook, RuleOutlookRowPerReturn, true, 2},
      {"one\rtwo more", K::WebPage, -1, true, 1},
  };
  for (const auto& c : cases) {
    EngineFixture fx(c.text);
    fx.kind = c.kind;
    if (c.rule >= 0) fx.settings.GeneralTextRules[c.rule] = true;
    fx.engine.getNextWord();
    const std::string name = std::string(c.text) + " rule " + std::to_string(c.rule);
    EXPECT_EQ(fx.state.RowBreak, c.rowBreak) << name;
    EXPECT_EQ(fx.state.LineBreakCount, c.count) << name;
    EXPECT_EQ(fx.state.MultiBreak, c.count > 1) << name;
    EXPECT_TRUE(!c.rowBreak || fx.state.SentenceEnd) << name;
  }
}

} // namespace
} // namespace engine
