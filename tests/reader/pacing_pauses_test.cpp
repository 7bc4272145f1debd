// The sentence and paragraph pauses a tick makes before the next frame
// (rules 8, 9 and 10), driven from the flags the frame on screen left.
#include <gtest/gtest.h>

#include "pacing_fixture.h"

namespace reader::testing {
namespace {

struct PauseFixture : ::testing::Test {
  PacingFixture f;
  // A frame closed a paragraph in a one-line layout.
  void arm(int wpm, std::uint32_t wordsSinceParagraph, bool lineSentence = true) {
    f.banner(wpm, 1, 3);
    f.form.updateEffectiveSpeed();
    f.rs.pendingDelay = true;
    f.rs.pendingParagraphDelay = true;
    f.rs.lineSentenceDelay = lineSentence;
    f.es.WordCounter = 1000 + wordsSinceParagraph;
    f.rs.wordsAtLastParagraph = 1000;
    f.es.FrameLines[0] = "closing words.";
    f.form.tmRead->setEnabled(true);
  }
};

TEST_F(PauseFixture, SmallParagraphEndsLikeASentence) {
  f.rules({8, 9, 10});
  arm(300, 15);
  f.form.tmReadTimer();
  // no paragraph pause: the sentence pause, three words' time; rules 9 and 10,
  // band 3: 0.8 - 0.07 * 3 / 13 = 0.783846, effective 382; 180000 / 382 = 471.2
  ASSERT_EQ(f.observer.pauses.size(), 1u);
  EXPECT_EQ(f.observer.pauses[0].interval, 471);
  EXPECT_EQ(f.rs.wordsAtLastParagraph, 1015u);
}

TEST_F(PauseFixture, LongParagraphGetsTheParagraphPause) {
  f.rules({8, 9, 10});
  arm(300, 21);
  f.form.tmReadTimer();
  // one-line sentence layout at 201..350: Floor(270000 / 382) = 706
  ASSERT_EQ(f.observer.pauses.size(), 1u);
  EXPECT_EQ(f.observer.pauses[0].interval, 706);
  EXPECT_EQ(f.form.tmRead->Interval(), 706);
  EXPECT_EQ(f.rs.wordsAtLastParagraph, 1021u);
  EXPECT_FALSE(f.rs.pendingDelay);
}

TEST_F(PauseFixture, TwentyWordsStillCountAsASmallParagraph) {
  f.rules({8, 10});
  arm(300, 20);
  f.form.tmReadTimer();
  EXPECT_TRUE(f.observer.pauses.empty()); // rule 9 off: no sentence pause either
  EXPECT_FALSE(f.rs.pendingDelay);
  EXPECT_EQ(f.rs.wordsAtLastParagraph, 1020u);
}

TEST_F(PauseFixture, WithoutRuleEightEveryParagraphPauses) {
  f.rules({10});
  arm(300, 3, false);
  f.form.tmReadTimer();
  ASSERT_EQ(f.observer.pauses.size(), 1u);
  // rule 10 only, band 3: 0.878 - 0.031 * 3 / 13 = 0.870846, effective 344
  EXPECT_EQ(f.observer.pauses[0].interval, 523); // 180000 div 344
}

struct SpeedCase {
  int wpm;
  int interval;
};

class ParagraphPauseSpeedTest : public ::testing::TestWithParam<SpeedCase> {};

TEST_P(ParagraphPauseSpeedTest, OneLineSentenceLayoutsPauseLongerBySpeed) {
  PacingFixture f;
  f.rules({9, 10});
  f.banner(GetParam().wpm, 1, 3);
  f.form.updateEffectiveSpeed();
  f.rs.pendingDelay = f.rs.pendingParagraphDelay = f.rs.lineSentenceDelay = true;
  f.form.tmRead->setEnabled(true);
  f.form.tmReadTimer();
  ASSERT_EQ(f.observer.pauses.size(), 1u);
  EXPECT_EQ(f.observer.pauses[0].interval, GetParam().interval);
}

// rules 9 and 10, 1 line, 3 words: 0.8 at band 0 to 0.73 at band 13.
INSTANTIATE_TEST_SUITE_P(
    Bands, ParagraphPauseSpeedTest,
    ::testing::Values(
        // band 1: 0.8 - 0.07 / 13 = 0.794615, effective 188; 216000 / 188 = 1148.9
        SpeedCase{150, 1148},
        // band 2: 0.789231, effective 253; 216000 / 253 = 853.8
        SpeedCase{200, 853},
        // band 3: 0.783846, effective 382; 270000 / 382 = 706.8
        SpeedCase{300, 706},
        // band 4: 0.778462, effective 513; 360000 / 513 = 701.8
        SpeedCase{400, 701}));

TEST(PauseTest, HeadingParagraphPausesThreeWords) {
  PacingFixture f;
  f.rules({9, 10});
  f.banner(300, 1, 3);
  f.form.updateEffectiveSpeed(); // 382, as above
  f.rs.pendingDelay = f.rs.pendingParagraphDelay = f.rs.lineSentenceDelay = true;
  f.es.HeadingFound = true;
  f.form.tmRead->setEnabled(true);
  f.form.tmReadTimer();
  ASSERT_EQ(f.observer.pauses.size(), 1u);
  EXPECT_EQ(f.observer.pauses[0].interval, 471); // 180000 div 382
}

TEST(PauseTest, PauseTickBlanksTheStripAndReadsNoFrame) {
  PacingFixture f;
  f.rules({9});
  f.banner(300, 1, 3);
  f.form.updateEffectiveSpeed();
  f.load("One two three. Four five six.");
  f.es.CurrentPosition = 15;
  f.es.FrameLines[0] = "One two three.";
  f.rs.pendingDelay = true;
  f.form.tmRead->setEnabled(true);
  const double before = f.settings.TotalReadingTime;
  f.form.tmReadTimer();
  ASSERT_EQ(f.observer.pauses.size(), 1u);
  EXPECT_TRUE(f.observer.frames.empty());
  EXPECT_EQ(f.es.CurrentPosition, 15);
  ASSERT_FALSE(f.view.draws.empty());
  EXPECT_TRUE(f.view.draws.back().lines.empty());
  EXPECT_EQ(f.view.draws.back().level, 10);
  EXPECT_DOUBLE_EQ(f.settings.TotalReadingTime - before, f.observer.pauses[0].interval);
}

struct NoPauseCase {
  const char* what;
  bool sentenceMode;
  int lines;
  bool rule9;
};

class NoSentencePauseTest : public ::testing::TestWithParam<NoPauseCase> {};

TEST_P(NoSentencePauseTest, SentencePausesOnlyInOneLineBannerFrames) {
  const NoPauseCase& c = GetParam();
  PacingFixture f;
  if (c.rule9) f.rules({9});
  f.banner(300, c.lines, 3);
  if (c.sentenceMode) f.sentence(300);
  f.rs.pendingDelay = true;
  f.form.tmRead->setEnabled(true);
  f.form.tmReadTimer();
  EXPECT_TRUE(f.observer.pauses.empty()) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, NoSentencePauseTest,
                         ::testing::Values(NoPauseCase{"sentence mode", true, 1, true},
                                           NoPauseCase{"two lines", false, 2, true},
                                           NoPauseCase{"rule 9 off", false, 1, false}));

} // namespace
} // namespace reader::testing
