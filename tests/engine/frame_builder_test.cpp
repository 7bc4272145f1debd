#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/autoskim.h"
#include "engine/text_rules.h"
#include "engine_fixture.h"

namespace engine {
namespace {

using testing::EngineFixture;
using Lines = std::vector<std::string>;

// Every line readLine gives until the end of the document.
Lines allLines(EngineFixture& fx, std::uint8_t perLine) {
  Lines out;
  for (int guard = 0; guard < 1000 && fx.state.CurrentPosition < fx.state.TextLength; ++guard)
    out.push_back(fx.engine.readLine(perLine));
  return out;
}

std::string withoutHyphens(const Lines& lines) {
  std::string all;
  for (const auto& l : lines) {
    std::string piece = l;
    if (!piece.empty() && piece.back() == '-') piece.pop_back();
    all += piece;
  }
  return all;
}

// ---- Banner lines --------------------------------------------------------------

struct BannerCase {
  const char* name;
  const char* text;
  std::uint8_t perLine;
  double width;
  Lines expected;
};

class BannerLines : public ::testing::TestWithParam<BannerCase> {};

TEST_P(BannerLines, AreCutAsExpected) {
  const BannerCase& c = GetParam();
  EngineFixture fx(c.text, c.width);
  fx.settings.WordsPerScreen = c.perLine;
  fx.settings.LinesPerScreen = 3;
  EXPECT_EQ(allLines(fx, c.perLine), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Banner, BannerLines,
    ::testing::Values(
        BannerCase{"wordsPerLine",
                   "one two three four five six seven",
                   3,
                   10000,
                   {"one two three ", "four five six ", "seven "}},
        BannerCase{"oneWord", "one two", 1, 10000, {"one ", "two "}},
        BannerCase{"maxLineChars",
                   "abcdefghij klmnopqrst uv",
                   2,
                   10000,
                   {"abcdefghij ", "klmnopqrst uv "}},
        BannerCase{"pixelWidth", "aaa bbb ccc", 6, 100, {"aaa bbb ", "ccc "}},
        BannerCase{
            "sentenceEndsLine", "One two. Three four", 6, 10000, {"One two. ", "Three four "}},
        BannerCase{
            "rowBreakEndsLine", "One two\r\rThree four", 6, 10000, {"One two ", "Three four "}},
        BannerCase{"longWordSplit",
                   "abcdefghijklmnop rest",
                   1,
                   100,
                   {"abcdefg-", "hijklmn-", "op ", "rest "}},
        BannerCase{"dottedLeaderEndsLine",
                   "Intro ........ 3\rNext part here",
                   6,
                   10000,
                   {"Intro ........ 3", "Next part here "}}),
    [](const auto& info) { return info.param.name; });

TEST(BannerLines, LongWordKeepsEveryCharacter) {
  const std::string word(300, 'x');
  EngineFixture fx(word + " tail", 200);
  const Lines lines = allLines(fx, 3);
  EXPECT_EQ(withoutHyphens(lines), word + " tail ");
  for (const auto& l : lines)
    EXPECT_LE(fx.measure.textWidth({}, l), 200 - 20) << l;
}

TEST(BannerLines, CountsWordsOnlyWhenAsked) {
  EngineFixture fx("one two three four");
  fx.engine.readLine(2);
  EXPECT_EQ(fx.state.WordCounter, 0u);
  fx.state.CountWords = true;
  fx.engine.readLine(2);
  EXPECT_EQ(fx.state.WordCounter, 2u);
}

TEST(BannerLines, TabIndentsAndMarksANewParagraph) {
  EngineFixture fx;
  fx.loadRaw("end.\r\tStart here");
  fx.engine.readLine(1);
  EXPECT_FALSE(fx.state.NewParagraphPending);
  EXPECT_EQ(fx.engine.readLine(1), "   Start ");
  EXPECT_TRUE(fx.state.NewParagraphPending);
}

TEST(BannerLines, WordsPerMinuteIsClamped) {
  EngineFixture fx("one two");
  fx.settings.WordsPerMinute = 5000;
  fx.engine.readLine(1);
  EXPECT_EQ(fx.settings.WordsPerMinute, 3000);
}

struct BreakUpCase {
  const char* name;
  bool rule11;
  int lines;
  int perLine;
  const char* expectedFirstLine;
};

class PunctuatedBreakUp : public ::testing::TestWithParam<BreakUpCase> {};

TEST_P(PunctuatedBreakUp, EndsTheLineAfterTheMark) {
  const BreakUpCase& c = GetParam();
  EngineFixture fx("one, two three four five six seven eight nine.");
  fx.settings.GeneralTextRules[RulePunctuatedBreakUp] = c.rule11;
  fx.settings.LinesPerScreen = static_cast<std::uint8_t>(c.lines);
  fx.settings.WordsPerScreen = static_cast<std::uint8_t>(c.perLine);
  EXPECT_EQ(fx.engine.readLine(static_cast<std::uint8_t>(c.perLine)), c.expectedFirstLine);
}

INSTANTIATE_TEST_SUITE_P(
    Rule11, PunctuatedBreakUp,
    ::testing::Values(BreakUpCase{"oneLineThreeWords", true, 1, 3, "one, "},
                      BreakUpCase{"offNeverBreaks", false, 1, 3, "one, two three "},
                      BreakUpCase{"oneLineFourWords", true, 1, 4, "one, two three four "},
                      BreakUpCase{"twoLinesEarlyInFrame", true, 2, 3, "one, two three "}),
    [](const auto& info) { return info.param.name; });

TEST(PunctuatedBreakUp, NearTheFrameEndWhenTheSentenceGoesOn) {
  EngineFixture fx("a b c d e, f g h i j k.");
  fx.settings.GeneralTextRules[RulePunctuatedBreakUp] = true;
  fx.settings.LinesPerScreen = 2;
  fx.settings.WordsPerScreen = 3;
  EXPECT_EQ(fx.engine.readLine(3), "a b c ");
  fx.state.LineIndex = 1; // second line: 3 places left
  // "d" leaves 2 places; "e," leaves 1 place, fewer than the 7 words to the stop.
  EXPECT_EQ(fx.engine.readLine(3), "d e, ");
  // The look-ahead restored everything it touched.
  EXPECT_EQ(fx.engine.peekNextWord(), "f ");
  EXPECT_FALSE(fx.state.SentenceEnd);
}

TEST(PunctuatedBreakUp, NotWhenTheSentenceEndsWithinTheFrame) {
  EngineFixture fx("a b c d e, f.");
  fx.settings.GeneralTextRules[RulePunctuatedBreakUp] = true;
  fx.settings.LinesPerScreen = 2;
  fx.settings.WordsPerScreen = 3;
  EXPECT_EQ(fx.engine.readLine(3), "a b c ");
  fx.state.LineIndex = 1;
  EXPECT_EQ(fx.engine.readLine(3), "d e, f."); // one word left: it fits
}

TEST(AutoSkimLines, DotsDoNotCountAsWords) {
  EngineFixture fx("the cat of the hat sat");
  fx.settings.CompressorStatus = true;
  fx.settings.CompressorList = ",the,of,a, ";
  EXPECT_EQ(fx.engine.readLine(2), "\xB7 cat \xB7\xB7 hat ");
  EXPECT_EQ(fx.engine.readLine(2), "sat ");
}

// ---- Heading test of readLine ------------------------------------------------------

TEST(LineHeadings, TitleAtTheStart) {
  EngineFixture fx("Title\r\rBody text follows here.");
  fx.state.LinesInFrame = 3;
  EXPECT_EQ(fx.engine.readLine(6), "Title ");
  EXPECT_TRUE(fx.state.HeadingFound);
  EXPECT_TRUE(fx.state.HeadingIcon);
}

TEST(LineHeadings, DetectorNeedsEmptyLinesAroundAShortLine) {
  const struct {
    const char* text;
    bool rule1;
    bool rule2;
    bool expected;
  } cases[] = {
      {"Para.\r\r\rChapter One\r\r\rBody text.", false, false, true},
      {"Para.\r\rChapter One\r\rBody text.", false, false, false},
      {"Para.\r\rChapter One\r\rBody text.", true, false, true},
      {"Para.\r\r\rChapter One\rBody text.", false, false, false},
      {"Para.\r\r\ra b c d e f g h i\r\r\rBody text.", false, false, false},
      {"Para.\r\r\ra b c d e f g h i\r\r\rBody text.", false, true, true},
      {"Para.\r\r\ra b c d e f g h\r\r\rBody text.", false, false, true},
  };
  for (const auto& c : cases) {
    EngineFixture fx(c.text);
    fx.settings.GeneralTextRules[1] = c.rule1;
    fx.settings.HeadingMaxWords = c.rule2 ? 12 : 8;
    fx.state.LineStartPosition = static_cast<std::int32_t>(fx.state.DocumentText.find('\r')) + 1;
    while (fx.state.DocumentText[fx.state.LineStartPosition - 1] == '\r')
      ++fx.state.LineStartPosition;
    EXPECT_EQ(fx.engine.detectHeading(), c.expected) << c.text;
  }
}

TEST(LineHeadings, CandidateSetFromOutsideIsTakenOnce) {
  EngineFixture fx("one two three four five six seven eight nine ten");
  fx.state.HeadingCandidate = true;
  fx.engine.readLine(2);
  EXPECT_TRUE(fx.state.HeadingFound);
  fx.state.LineStartPosition = fx.state.CurrentPosition;
  fx.engine.readLine(2);
  EXPECT_FALSE(fx.state.HeadingFound);
}

TEST(HeadingValidator, AsksWordOnlyWhenItMust) {
  const struct {
    SourceKind kind;
    bool rule3;
    const char* text;
    bool fontLarger;
    bool expected;
    bool asked;
  } cases[] = {
      {SourceKind::PlainText, true, "Title", false, true, false},
      {SourceKind::Word, true, "Title.", false, true, false},
      {SourceKind::Word, false, "Title", false, true, false},
      {SourceKind::Word, true, "Title", false, false, true},
      {SourceKind::Word, true, "Title", true, true, true},
  };
  for (const auto& c : cases) {
    EngineFixture fx("x");
    fx.kind = c.kind;
    fx.settings.GeneralTextRules[3] = c.rule3;
    bool asked = false;
    fx.engine.callbacks().headingFontLarger = [&](std::string_view) {
      asked = true;
      return c.fontLarger;
    };
    EXPECT_EQ(fx.engine.validateHeading(c.text), c.expected) << c.text;
    EXPECT_EQ(asked, c.asked) << c.text;
  }
  EngineFixture fx("x");
  fx.kind = SourceKind::Word;
  fx.settings.GeneralTextRules[3] = true;
  EXPECT_TRUE(fx.engine.validateHeading("Title")); // no callback: kept
}

// ---- Sentence mode ----------------------------------------------------------------

struct SentenceFrames {
  EngineFixture fx;
  explicit SentenceFrames(const std::string& text, double width = 10000, int lines = 3)
      : fx(text, width) {
    fx.settings.ReadingMode = ReadingModeKind::Sentence;
    fx.state.LinesInFrame = static_cast<std::uint8_t>(lines);
  }
  Lines frames() {
    Lines out;
    for (int guard = 0; guard < 100 && fx.state.CurrentPosition < fx.state.TextLength; ++guard)
      out.push_back(fx.engine.readLine(6));
    return out;
  }
};

TEST(SentenceMode, OneSentencePerFrame) {
  SentenceFrames s("One two three. Four five six seven? Mr. Smith came home. End");
  EXPECT_EQ(s.frames(),
            (Lines{"One two three. ", "Four five six seven? ", "Mr. Smith came home. ", "End "}));
  EXPECT_EQ(s.fx.timings, (std::vector<std::int32_t>{3, 4, 4, 1}));
}

TEST(SentenceMode, WrapsIntoFrameLines) {
  SentenceFrames s("aaa bbb ccc ddd eee fff.", 100, 3); // 9 characters fit a line
  s.fx.engine.readLine(6);
  EXPECT_EQ(s.fx.state.FrameLines[0], "aaa bbb ");
  EXPECT_EQ(s.fx.state.FrameLines[1], "ccc ddd ");
  EXPECT_EQ(s.fx.state.FrameLines[2], "eee fff.");
  EXPECT_EQ(s.fx.state.FrameText, "aaa bbb \rccc ddd \reee fff.");
}

TEST(SentenceMode, StopsAtTheFrameLinesAndGoesOnNextFrame) {
  SentenceFrames s("aaa bbb ccc ddd eee fff.", 100, 2);
  EXPECT_EQ(s.frames(), (Lines{"aaa bbb \rccc ddd \r", "eee fff."}));
}

TEST(SentenceMode, EachListItemIsASentence) {
  SentenceFrames s("1. Apples and pears\r2. Oranges\r3. Plums");
  EXPECT_EQ(s.frames(), (Lines{"1. Apples and pears ", "2. Oranges ", "3. Plums "}));
}

TEST(SentenceMode, CombinesSmallSentencesWithRule5) {
  const std::string text = "Hi there. This is a longer sentence here. Next.";
  SentenceFrames off(text);
  EXPECT_EQ(off.frames()[0], "Hi there. ");
  SentenceFrames on(text);
  on.fx.settings.GeneralTextRules[5] = true;
  EXPECT_EQ(on.fx.engine.readLine(6), "Hi there. \rThis is a longer sentence here. ");
  EXPECT_EQ(on.fx.state.FrameLines[0], "Hi there. ");
  EXPECT_EQ(on.fx.state.FrameLines[1], "This is a longer sentence here. ");
}

TEST(SentenceMode, Rule5KeepsParagraphEnds) {
  SentenceFrames s("Hi there.\r\rThis is a longer sentence here.");
  s.fx.settings.GeneralTextRules[5] = true;
  EXPECT_EQ(s.fx.engine.readLine(6), "Hi there.");
}

TEST(SentenceMode, LongWordIsSplitAndTheRestFollows) {
  SentenceFrames s("abcdefghijklmnopqrstuvwxyz end.", 100, 5);
  s.fx.engine.readLine(6);
  EXPECT_EQ(s.fx.state.FrameLines[0], "abcdefgh-");
  EXPECT_EQ(s.fx.state.FrameLines[1], "ijklmnop-");
}

// ---- Column lines -------------------------------------------------------------------

TEST(ColumnLines, EndAtRowBreaksAndWidth) {
  EngineFixture fx("one two three\r\rfour five six seven", 100);
  fx.settings.ReadingMode = ReadingModeKind::Single;
  EXPECT_EQ(fx.engine.readColumnLine(), "one two ");
  EXPECT_TRUE(fx.state.LineFull);
  EXPECT_EQ(fx.engine.readColumnLine(), "three ");
  EXPECT_TRUE(fx.state.RowBreak);
  EXPECT_EQ(fx.engine.readColumnLine(), "four five ");
}

TEST(ColumnLines, IsolatedLineGetsARowOfItsOwn) {
  EngineFixture fx("text goes\rTitle\r\rBody");
  fx.settings.ReadingMode = ReadingModeKind::Double;
  EXPECT_EQ(fx.engine.readColumnLine(), "text goes ");
  EXPECT_TRUE(fx.state.RowBreak);
  EXPECT_EQ(fx.state.LineBreakCount, 2);
}

TEST(ColumnLines, LastWordOfAParagraphStaysOnItsLine) {
  EngineFixture fx("at twelve knots.\r\rThe next one", 400);
  fx.settings.ReadingMode = ReadingModeKind::Single;
  EXPECT_EQ(fx.engine.readColumnLine(), "at twelve knots.");
  EXPECT_TRUE(fx.state.RowBreak);
  EXPECT_EQ(fx.engine.readColumnLine(), "The next one ");
}

TEST(ColumnLines, LongWordIsSplit) {
  const std::string word(50, 'q');
  EngineFixture fx(word + " end", 200);
  fx.settings.ReadingMode = ReadingModeKind::Single;
  Lines lines;
  for (int i = 0; i < 20 && fx.state.CurrentPosition < fx.state.TextLength - 1; ++i)
    lines.push_back(fx.engine.readColumnLine());
  EXPECT_EQ(withoutHyphens(lines), word + " end ");
  for (const auto& l : lines)
    EXPECT_LE(fx.measure.textWidth({}, l), 200) << l;
}

TEST(ColumnLines, LongHeadingTextIsNotAHeading) {
  EngineFixture fx("Title\r\rBody");
  fx.settings.ReadingMode = ReadingModeKind::Single;
  fx.state.HeadingText = "a b c d e f g h i ";
  fx.state.HeadingWordCount = 9;
  fx.engine.readColumnLine();
  EXPECT_FALSE(fx.state.HeadingFound);
  EngineFixture short_("Title\r\rBody");
  short_.settings.ReadingMode = ReadingModeKind::Single;
  short_.engine.readColumnLine();
  EXPECT_TRUE(short_.state.HeadingFound);
}

TEST(ColumnLines, MaxLineCharsTable) {
  EXPECT_EQ(MaxLineChars, (std::array<int, 7>{0, 0, 14, 20, 26, 32, 38}));
}

} // namespace
} // namespace engine
