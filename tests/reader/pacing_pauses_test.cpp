// The sentence and paragraph pauses a tick makes before the next frame
// (rules 8, 9 and 10), driven from the flags the frame on screen left, and
// end to end through the real engine.
#include <gtest/gtest.h>

#include "pacing_fixture.h"

namespace reader::testing {
namespace {

struct PauseCase {
  const char* what;
  std::vector<int> rules;
  int wpm = 300;
  int lines = 1;
  bool sentenceMode = false;
  bool paragraph = true;    // the frame closed a paragraph
  bool lineSentence = true; // one-line sentence layout
  bool heading = false;
  std::uint32_t wordsSinceParagraph = 0;
  int pause = 0; // 0: no pause
};

TEST(PauseTest, PauseLengthFollowsRulesSpeedAndParagraphSize) {
  // clang-format off
  const PauseCase cases[] = {
      // rules 9 and 10, band 3: 0.8 - 0.07 * 3 / 13 = 0.783846, effective 382; 180000 / 382
      {"small paragraph ends like a sentence", {8, 9, 10}, 300, 1, false, true, true, false, 15, 471},
      {"twenty words are still small; rule 9 off", {8, 10}, 300, 1, false, true, true, false, 20, 0},
      // rule 10 only, band 3: 0.878 - 0.031 * 3 / 13 = 0.870846, effective 344; 180000 / 344
      {"without rule 8 every paragraph pauses", {10}, 300, 1, false, true, false, false, 3, 523},
      // one-line sentence layouts pause longer by speed (rules 9 and 10, 1 x 3)
      {"band 1", {9, 10}, 150, 1, false, true, true, false, 0, 1148}, // 216000 / 188
      {"band 2", {9, 10}, 200, 1, false, true, true, false, 0, 853},  // 216000 / 253
      {"band 3", {9, 10}, 300, 1, false, true, true, false, 0, 706},  // 270000 / 382
      {"band 4", {9, 10}, 400, 1, false, true, true, false, 0, 701},  // 360000 / 513
      {"heading paragraph: three words", {9, 10}, 300, 1, false, true, true, true, 0, 471},
      {"sentence pause, sentence mode", {9}, 300, 1, true, false, true, false, 0, 0},
      {"sentence pause, two lines", {9}, 300, 2, false, false, true, false, 0, 0},
      {"sentence pause, rule 9 off", {}, 300, 1, false, false, true, false, 0, 0},
  };
  // clang-format on
  for (const PauseCase& c : cases) {
    PacingFixture f;
    f.rules(c.rules);
    f.banner(c.wpm, c.lines, 3);
    if (c.sentenceMode) f.sentence(c.wpm);
    f.form.updateEffectiveSpeed();
    f.rs.pendingDelay = true;
    f.rs.pendingParagraphDelay = c.paragraph;
    f.rs.lineSentenceDelay = c.lineSentence;
    f.es.HeadingFound = c.heading;
    f.es.WordCounter = 1000 + c.wordsSinceParagraph;
    f.rs.wordsAtLastParagraph = 1000;
    f.es.FrameLines[0] = "closing words.";
    f.tmRead().setEnabled(true);
    const std::int32_t position = f.es.CurrentPosition;
    f.form.tmReadTimer();
    if (c.pause == 0) {
      EXPECT_TRUE(f.observer.pauses.empty()) << c.what;
    } else {
      ASSERT_EQ(f.observer.pauses.size(), 1u) << c.what;
      EXPECT_EQ(f.observer.pauses[0].interval, c.pause) << c.what;
      EXPECT_EQ(f.tmRead().Interval(), c.pause) << c.what;
      // the pause tick blanks the strip, reads no frame and counts as reading time
      EXPECT_TRUE(f.observer.frames.empty()) << c.what;
      EXPECT_EQ(f.es.CurrentPosition, position) << c.what;
      ASSERT_FALSE(f.view.draws.empty()) << c.what;
      EXPECT_TRUE(f.view.draws.back().lines.empty()) << c.what;
      EXPECT_EQ(f.view.draws.back().level, 10) << c.what;
      EXPECT_DOUBLE_EQ(f.settings.TotalReadingTime, c.pause) << c.what;
    }
    if (c.paragraph) {
      EXPECT_FALSE(f.rs.pendingDelay) << c.what;
      EXPECT_EQ(f.rs.wordsAtLastParagraph, 1000 + c.wordsSinceParagraph) << c.what;
    }
  }
}

const std::string Paragraphs =
    "One two three four five six seven eight nine ten eleven twelve thirteen fourteen fifteen."
    "\r\rAa bb cc dd ee ff gg hh ii jj kk ll mm nn oo pp qq rr ss tt uu.\r\rLast paragraph here "
    "now.";

// Without rule 9 the 15-word paragraph gets no pause and the 21-word one
// does: the timeline test ParagraphPausesFollowTheRules reads the same text.
TEST(PauseTest, WithSentencePausesASmallParagraphPausesThreeWords) {
  PacingFixture f;
  f.banner(300, 1, 3);
  f.rules({8, 9, 10});
  f.load(Paragraphs);
  f.readAll();
  // rules 9 and 10: effective 382; a pause after each sentence
  ASSERT_EQ(f.observer.pauses.size(), 3u);
  EXPECT_EQ(f.observer.pauses[0].interval, 471); // 180000 / 382: a small paragraph
  EXPECT_EQ(f.observer.pauses[1].interval, 706); // 270000 / 382: a paragraph end
  EXPECT_EQ(f.observer.pauses[2].interval, 471); // the last sentence
}

} // namespace
} // namespace reader::testing
