#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "engine_fixture.h"

namespace engine {
namespace {

using testing::EngineFixture;

const std::string Twelve = "w1 w2 w3 w4 w5 w6 w7 w8 w9 w10 w11 w12";

TEST(Navigation, GoToStartResetsAndAsksForAnImmediateTick) {
  EngineFixture fx(Twelve);
  fx.state.CurrentPosition = 9;
  fx.state.NewParagraphPending = true;
  fx.engine.goToStart();
  EXPECT_EQ(std::tuple(fx.state.CurrentPosition, fx.state.LineStartPosition,
                       fx.state.LastHeadingCheck, fx.state.NewParagraphPending),
            std::tuple(1, 1, 1, false));
  EXPECT_EQ(fx.timings, (std::vector<std::int32_t>{0}));
}

TEST(Navigation, GoToEndShowsTheLastFrameUncounted) {
  const struct {
    std::string text;
    ReadingModeKind mode;
    const char* lastFrame;
  } cases[] = {{Twelve, ReadingModeKind::Banner, "w10"},
               {"First one. Second one. Third one.", ReadingModeKind::Sentence, "Third"}};
  for (const auto& c : cases) {
    EngineFixture fx(c.text);
    fx.layout(c.mode, 1, 3);
    fx.state.CountWords = true;
    fx.engine.goToEnd();
    EXPECT_EQ(std::tuple(fx.state.CurrentPosition, fx.timings.back(), fx.state.WordCounter),
              std::tuple(fx.at(c.lastFrame), 0, 0u))
        << c.text;
  }
  // In a long document the frames are cut from near the end; the last reaches it.
  std::string text;
  for (int i = 0; i < 2000; ++i)
    text += "word" + std::to_string(i) + " ";
  EngineFixture fx(text + "final last.");
  fx.layout(ReadingModeKind::Banner, 1, 3);
  fx.engine.goToEnd();
  EXPECT_GE(fx.state.CurrentPosition, fx.at("word1998"));
  EXPECT_FALSE(fx.engine.nextFrames(1));
  EXPECT_EQ(fx.state.FrameLines[0].substr(fx.state.FrameLines[0].size() - 5), "last.");
}

TEST(Navigation, ParagraphJumps) {
  // In sentence mode too, from a paragraph start, the next one is the one after.
  for (const auto mode : {ReadingModeKind::Sentence, ReadingModeKind::Banner}) {
    EngineFixture fx("p1 a.\r\rp2 b c.\r\r\rp3 d.");
    fx.settings.ReadingMode = mode;
    for (const auto& [moved, to] : {std::pair{true, "p2"}, {true, "p3"}, {false, "p3"}}) {
      EXPECT_EQ(fx.engine.nextParagraph(), moved);
      EXPECT_EQ(fx.state.CurrentPosition, fx.at(to));
      EXPECT_EQ(fx.state.FrameStartPosition, fx.at(to));
    }
  }
  EngineFixture fx("p1 a.\r\rp2 b c.\r\r\rp3 d.");
  fx.state.CurrentPosition = fx.state.FrameStartPosition = fx.at("p3");

  fx.engine.previousParagraph(); // from the start of p3: to p2
  EXPECT_EQ(fx.state.CurrentPosition, fx.at("p2"));
  fx.state.FrameStartPosition = fx.at("c."); // inside p2: its start
  fx.engine.previousParagraph();
  EXPECT_EQ(fx.state.FrameStartPosition, fx.at("p2"));
  fx.engine.previousParagraph();
  EXPECT_EQ(fx.state.CurrentPosition, 1);
}

TEST(Navigation, NextFramesSkipsUncountedToTheLastOneShown) {
  EngineFixture fx(Twelve);
  fx.layout(ReadingModeKind::Banner, 1, 3);
  fx.state.CountWords = true;
  for (const auto& [frames, shown, next] :
       {std::tuple{1, "w1 w2 w3 ", "w4"}, {2, "w7 w8 w9 ", "w10"}}) {
    EXPECT_TRUE(fx.engine.nextFrames(frames));
    EXPECT_EQ(fx.state.FrameLines[0], shown);
    EXPECT_EQ(fx.state.FrameStartPosition, fx.at(shown));
    EXPECT_EQ(fx.state.CurrentPosition, fx.at(next));
  }
  EXPECT_EQ(fx.state.WordCounter, 6u) << "only the frames shown count";
  EXPECT_EQ(fx.state.FrameWordCount, 3);
  EXPECT_FALSE(fx.engine.nextFrames(1));
  EXPECT_EQ(fx.state.FrameLines[0], "w10 w11 w12 ");
}

TEST(Navigation, PreviousFrameRebuildsTheFrameBeforeTheOldStart) {
  const struct {
    int lines, perLine;
    const char* from;
    const char *line0, *line1, *start, *position;
  } cases[] = {{1, 3, "w7", "... w4 w5 w6 ", "", "w4", "w7"},
               {2, 2, "w9", "... w5 w6 ", "w7 w8 ", "w5", "w9"},
               {1, 3, "", "w1 w2 w3 ", "", "w1", "w4"}};
  for (const auto& c : cases) {
    EngineFixture fx(Twelve);
    fx.layout(ReadingModeKind::Banner, c.lines, c.perLine);
    fx.state.FrameStartPosition = fx.at(c.from);
    fx.engine.previousFrame();
    EXPECT_EQ(std::tuple(fx.state.FrameLines[0], fx.state.FrameLines[1],
                         fx.state.FrameStartPosition, fx.state.CurrentPosition),
              std::tuple(c.line0, c.line1, fx.at(c.start), fx.at(c.position)))
        << c.from;
  }
  EngineFixture fx(Twelve); // again, from the rebuilt frame
  fx.layout(ReadingModeKind::Banner, 1, 3);
  fx.state.FrameStartPosition = fx.at("w7");
  fx.engine.previousFrame();
  EXPECT_EQ(fx.state.PreviousFrameStart, fx.at("w4"));
  fx.engine.previousFrame();
  EXPECT_EQ(fx.state.FrameLines[0], "... w1 w2 w3 ");
  EXPECT_EQ(fx.state.CurrentPosition, fx.at("w4"));
}

TEST(Navigation, PreviousSentenceShowsTheWholeSentenceBefore) {
  const struct {
    const char *text, *from, *expected;
  } cases[] = {{"First one. Second one here. Third one.", "Third", "Second one here. "},
               {"Start. We met Mr. Smith today. Then left.", "Then", "We met Mr. Smith today. "}};
  for (const auto& c : cases) {
    EngineFixture fx(c.text);
    fx.settings.ReadingMode = ReadingModeKind::Sentence;
    fx.state.LinesInFrame = 3;
    fx.state.FrameStartPosition = fx.at(c.from);
    fx.engine.previousFrame();
    EXPECT_EQ(fx.state.FrameText, c.expected) << c.from;
    EXPECT_EQ(fx.state.FrameStartPosition, fx.at(c.expected)) << c.from;
    EXPECT_EQ(fx.state.CurrentPosition, fx.at(c.from)) << "reading goes on after it";
  }
}

TEST(SavedPositions, ResumeAtTheStartOfTheWord) {
  const std::string hello = "Hello wonderful world";
  const struct {
    const char* name;
    std::string text;
    std::vector<SavedPosition> table;
    std::int32_t expected;
  } cases[] = {{"doc", hello, {{"other", 9}, {"doc", 13}}, 7},
               {"doc", hello, {{"Doc", 9}}, 1},
               {"doc", hello, {{"doc", 500}}, 1},
               {"doc", hello, {{"doc", -4}}, 1},
               {" ", hello, {{" ", 9}}, 1},
               {"doc", std::string("caf\xE9") + "bar x", {{"doc", 7}}, 5}};
  for (const auto& c : cases) {
    EngineFixture fx(c.text);
    fx.state.DocumentName = c.name;
    fx.state.FrameStartPosition = 9;
    EXPECT_EQ(fx.engine.restoreSavedPosition(c.table), c.expected) << c.name << c.text;
    EXPECT_EQ(std::pair(fx.state.CurrentPosition, fx.state.FrameStartPosition),
              std::pair(c.expected, 1));
  }
}

TEST(PositionCompare, NegativePositionsAreNeverPastTheEnd) {
  EngineState s;
  s.DocumentLength = 0xFFFFFFF0u;
  EXPECT_TRUE(beforeEnd(s, -1));
  EXPECT_TRUE(beforeEnd(s, 2000000000));
  s.DocumentLength = 5;
  EXPECT_TRUE(beforeEnd(s, -7));
  EXPECT_TRUE(atOrPastEnd(s, 5));
}

TEST(Graphics, ProximityWithinFiftyCharacters) {
  EngineState s;
  addGraphicPosition(s, 200, 0);
  addGraphicPosition(s, 100, -1);
  addGraphicPosition(s, 120, -1);
  // 50 characters ahead, 51, both in reach (the first in list order), 51 behind.
  for (const auto& [at, near] : {std::pair{50, 1}, {49, -1}, {160, 0}, {251, -1}})
    EXPECT_EQ(graphicNear(s, at), near) << at;
  for (const auto& [from, to, between] : {std::tuple{100, 150, 1}, {101, 119, -1}, {120, 120, 2}})
    EXPECT_EQ(graphicBetween(s, from, to), between) << from;
}

} // namespace
} // namespace engine
