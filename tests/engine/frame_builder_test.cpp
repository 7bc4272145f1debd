#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/text_helpers.h"
#include "engine/text_rules.h"
#include "engine_fixture.h"

namespace engine {
namespace {

using testing::EngineFixture;
using testing::joined;

TEST(BannerLines, AreCutByWordsWidthSentencesAndBreaks) {
  const struct {
    const char* text;
    std::uint8_t perLine;
    double width;
    const char* expected; // the lines, joined by '|'
  } cases[] = {
      {"one two three four five six seven", 3, 10000, "one two three |four five six |seven "},
      {"abcdefghij klmnopqrst uv", 2, 10000, "abcdefghij |klmnopqrst uv "}, // at most 20 chars
      {"aaa bbb ccc", 6, 100, "aaa bbb |ccc "},
      {"One two. Three four", 6, 10000, "One two. |Three four "},
      {"One two\r\rThree four", 6, 10000, "One two |Three four "},
      {"abcdefghijklmnop rest", 1, 100, "abcdefg-|hijklmn-|op |rest "},
      {"Intro ........ 3\rNext part here", 6, 10000, "Intro ........ 3|Next part here "},
  };
  for (const auto& c : cases) {
    EngineFixture fx(c.text, c.width);
    fx.settings.WordsPerScreen = c.perLine;
    fx.settings.LinesPerScreen = 3;
    const auto lines = fx.lines(c.perLine);
    EXPECT_EQ(joined(lines), c.expected) << c.text;
    for (const auto& l : lines)
      EXPECT_LE(fx.measure.textWidth({}, l), c.width - 20) << c.text << " " << l;
  }
}

TEST(BannerLines, LeaveTheSettingsAlone) {
  EngineFixture fx("one two three four");
  fx.settings.WordsPerMinute = 5000; // the speed is kept in range by loading, not by reading
  const SettingsRecord settings = fx.settings;
  fx.engine.readLine(2);
  EXPECT_EQ(fx.settings, settings);
}

TEST(BannerLines, TabIndentsAndMarksANewParagraph) {
  EngineFixture fx;
  fx.loadRaw("end.\r\tStart here");
  fx.engine.readLine(1);
  EXPECT_FALSE(fx.state.NewParagraphPending);
  EXPECT_EQ(fx.engine.readLine(1), "   Start ");
  EXPECT_TRUE(fx.state.NewParagraphPending);
}

TEST(PunctuatedBreakUp, EndsTheFirstLineAfterTheMark) {
  const struct {
    bool rule11;
    int lines, perLine;
    const char* firstLine;
  } cases[] = {{true, 1, 3, "one, "},
               {false, 1, 3, "one, two three "},
               {true, 1, 4, "one, two three four "},
               {true, 2, 3, "one, two three "}}; // early in a two-line frame
  for (const auto& c : cases) {
    EngineFixture fx("one, two three four five six seven eight nine.");
    fx.settings.GeneralTextRules[RulePunctuatedBreakUp] = c.rule11;
    fx.layout(ReadingModeKind::Banner, c.lines, c.perLine);
    fx.state.LinesInFrame = 1;
    EXPECT_EQ(fx.engine.readLine(static_cast<std::uint8_t>(c.perLine)), c.firstLine)
        << c.rule11 << " " << c.lines << "x" << c.perLine;
  }
}

TEST(PunctuatedBreakUp, NearTheFrameEndOnlyWhenTheSentenceGoesOn) {
  for (bool goesOn : {true, false}) {
    EngineFixture fx(goesOn ? "a b c d e, f g h i j k." : "a b c d e, f.");
    fx.settings.GeneralTextRules[RulePunctuatedBreakUp] = true;
    fx.settings.LinesPerScreen = 2;
    fx.settings.WordsPerScreen = 3;
    EXPECT_EQ(fx.engine.readLine(3), "a b c ");
    fx.state.LineIndex = 1; // second line: 3 places left
    // With one word left it fits; else "e," leaves 1 place, fewer than the 7
    // words to the stop, and the look-ahead restored everything it touched.
    EXPECT_EQ(fx.engine.readLine(3), goesOn ? "d e, " : "d e, f.");
    if (goesOn) {
      EXPECT_EQ(fx.engine.peekNextWord(), "f ");
      EXPECT_FALSE(fx.state.SentenceEnd);
    }
  }
}

TEST(LineHeadings, TitleAtTheStartAndACandidateSetFromOutsideOnce) {
  EngineFixture fx("Title\r\rBody text follows here.");
  fx.state.LinesInFrame = 3;
  EXPECT_EQ(fx.engine.readLine(6), "Title ");
  EXPECT_TRUE(fx.state.HeadingFound && fx.state.HeadingIcon);
  EngineFixture words("one two three four five six seven eight nine ten");
  words.state.HeadingCandidate = true;
  words.engine.readLine(2);
  EXPECT_TRUE(words.state.HeadingFound);
  words.state.LineStartPosition = words.state.CurrentPosition;
  words.engine.readLine(2);
  EXPECT_FALSE(words.state.HeadingFound);
}

TEST(LineHeadings, DetectorNeedsEmptyLinesAroundAShortLine) {
  const struct {
    const char* text;
    bool rule1, rule2, expected;
  } cases[] = {
      {"Para.\r\rChapter One\r\rBody text.", false, false, false},
      {"Para.\r\rChapter One\r\rBody text.", true, false, true},
      {"Para.\r\r\rChapter One\rBody text.", false, false, false},
      {"Para.\r\r\ra b c d e f g h i\r\r\rBody text.", false, false, false},
      {"Para.\r\r\ra b c d e f g h i\r\r\rBody text.", false, true, true},
      {"Para.\r\r\ra b c d e f g h\r\r\rBody text.", false, false, true},
  };
  for (const auto& c : cases) {
    EngineFixture fx(c.text);
    fx.settings.GeneralTextRules[RuleIsolatedLinesAsHeadings] = c.rule1;
    fx.settings.HeadingMaxWords = c.rule2 ? 12 : 8;
    fx.state.LineStartPosition = // the first character after the breaks
        static_cast<std::int32_t>(fx.state.DocumentText.find_first_not_of('\r', 5)) + 1;
    EXPECT_EQ(fx.engine.detectHeading(), c.expected) << c.text;
  }
}

TEST(HeadingValidator, AsksWordOnlyWhenItMust) {
  const struct {
    SourceKind kind;
    bool rule3;
    const char* text;
    bool fontLarger, expected, asked;
    bool callback = true;
  } cases[] = {
      {SourceKind::PlainText, true, "Title", false, true, false},
      {SourceKind::Word, true, "Title.", false, true, false},
      {SourceKind::Word, false, "Title", false, true, false},
      {SourceKind::Word, true, "Title", false, false, true},
      {SourceKind::Word, true, "Title", true, true, true},
      {SourceKind::Word, true, "Title", false, true, false, false}, // no callback: kept
  };
  for (const auto& c : cases) {
    EngineFixture fx("x");
    fx.kind = c.kind;
    fx.settings.GeneralTextRules[RuleIgnorePunctuatedHeadings] = c.rule3;
    bool asked = false;
    if (c.callback) {
      fx.engine.callbacks().headingFontLarger = [&](std::string_view) {
        asked = true;
        return c.fontLarger;
      };
    }
    EXPECT_EQ(fx.engine.validateHeading(c.text), c.expected) << c.text;
    EXPECT_EQ(asked, c.asked) << c.text;
  }
}

TEST(SentenceMode, FramesHoldOneSentenceOrListItem) {
  const std::string four = "One two three. Four five six seven? Mr. Smith came home. End";
  const std::string small = "Hi there. This is a longer sentence here. Next.";
  const struct {
    std::string text;
    double width;
    int lines;
    bool rule5;
    std::string expected; // the first frames, joined by '|'
  } cases[] = {
      {four, 10000, 3, false, "One two three. |Four five six seven? |Mr. Smith came home. |End "},
      {"aaa bbb ccc ddd eee fff.", 100, 2, false, "aaa bbb \rccc ddd \r|eee fff."},
      {"1. Apples and pears\r2. Oranges\r3. Plums", 10000, 3, false,
       "1. Apples and pears |2. Oranges |3. Plums "},
      {small, 10000, 3, false, "Hi there. "},
      {small, 10000, 3, true, "Hi there. \rThis is a longer sentence here. "},
      {"Hi there.\r\rThis is a longer sentence here.", 10000, 3, true, "Hi there."},
  };
  for (const auto& c : cases) {
    EngineFixture fx(c.text, c.width);
    fx.layout(ReadingModeKind::Sentence, c.lines, 6);
    fx.settings.GeneralTextRules[RuleCombineSmallSentences] = c.rule5;
    const std::string frames = joined(fx.lines(6)) + "|";
    EXPECT_TRUE(frames.starts_with(c.expected + "|")) << c.text << ": " << frames;
    EXPECT_TRUE(&c != &cases[0] || fx.timings == (std::vector<std::int32_t>{3, 4, 4, 1}))
        << "timings of the first document";
  }
}

TEST(ColumnLines, EndAtRowBreaksAndTheWidth) {
  const struct {
    const char* text;
    double width;
    const char* expected; // the lines joined by '|', each row break as [its line breaks]
  } cases[] = {
      {"one two three\r\rfour five six seven", 100, "one two |three [2]|four five |six seven "},
      // The next word's line breaks count when it stands on a line of its own.
      {"text goes\rTitle\r\rBody", 10000, "text goes [2]|Title [2]|Body "},
      // The last word of a paragraph stays on its line.
      {"at twelve knots.\r\rThe next one", 400, "at twelve knots.[2]|The next one "},
  };
  for (const auto& c : cases) {
    EngineFixture fx(c.text, c.width);
    fx.settings.ReadingMode = ReadingModeKind::Single;
    std::string lines;
    for (int i = 0; i < 20 && fx.state.CurrentPosition < fx.state.TextLength; ++i) {
      lines += (i ? "|" : "") + fx.engine.readColumnLine();
      if (fx.state.RowBreak) lines += "[" + std::to_string(fx.state.LineBreakCount) + "]";
    }
    EXPECT_EQ(lines, c.expected) << c.text;
  }
}

TEST(ColumnLines, StayWithinTheColumnAndLoseNothing) {
  const struct {
    std::string text;
    double width;
  } cases[] = {// "bbb!!!" measured without its marks would seem to fit after "aaaaa ".
               {"aaaaa bbb!!! cc dd", 100},
               {std::string(50, 'q') + " end", 200}};
  for (const auto& c : cases) {
    EngineFixture fx(c.text, c.width);
    fx.settings.ReadingMode = ReadingModeKind::Single;
    std::string all;
    for (std::string l : fx.lines(0)) {
      EXPECT_LE(fx.measure.textWidth({}, trimView(l)), c.width) << l;
      if (l.ends_with('-')) l.pop_back();
      all += l;
    }
    EXPECT_EQ(all, c.text + " ");
  }
}

TEST(ColumnLines, OnlyAShortHeadingTextIsAHeading) {
  for (bool longText : {false, true}) {
    EngineFixture fx("Title\r\rBody");
    fx.settings.ReadingMode = ReadingModeKind::Single;
    if (longText) {
      fx.state.HeadingText = "a b c d e f g h i ";
      fx.state.HeadingWordCount = 9;
    }
    fx.engine.readColumnLine();
    EXPECT_EQ(fx.state.HeadingFound, !longText);
  }
}

} // namespace
} // namespace engine
