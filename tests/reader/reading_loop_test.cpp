// The reading loop, pausing and going on, the status line and the find bar.
#include <gtest/gtest.h>

#include <algorithm>

#include "pacing_fixture.h"

namespace reader::testing {
namespace {

using engine::ReadingModeKind;

const std::string Ten = "Alpha beta gamma delta epsilon zeta eta theta iota kappa.";

// Sentence mode: a heading the engine finds is a frame of its own, and lasts
// 1.6 times as long as four words (five words' time at 300 wpm, Floor(887 * 1.6));
// the frame timing table has the other intervals.
TEST(ReadingLoopTest, SentenceFramesAreCutTimedAndShownInTurn) {
  PacingFixture f;
  f.sentence(300);
  f.load("Four Word Heading Here\r\rThe body text follows here.");
  f.readAll();
  ASSERT_GE(f.observer.frames.size(), 2u);
  const FrameEvent& first = f.observer.frames[0];
  EXPECT_EQ(first.lines, std::vector<std::string>{"Four Word Heading Here"});
  EXPECT_TRUE(first.heading);
  EXPECT_EQ(first.words, 4);
  EXPECT_EQ(first.interval, 1419);
}

TEST(ReadingLoopTest, AtMostFiveHundredFramesFadeInAboveThatTheyDoNot) {
  for (const auto& [wpm, fades] : {std::pair{500, true}, std::pair{501, false}}) {
    PacingFixture f(wpm, "Alpha beta gamma delta epsilon zeta eta theta.");
    f.readAll();
    ASSERT_FALSE(f.view.draws.empty());
    EXPECT_EQ(std::any_of(f.view.draws.begin(), f.view.draws.end(),
                          [](const Draw& d) { return d.level > 0 && d.level < 10; }),
              fades)
        << wpm;
  }
}

TEST(ReadingLoopTest, AGraphicNearThePositionIsShown) {
  PacingFixture f(600, "Alpha beta gamma delta epsilon zeta eta theta iota kappa lambda mu.");
  engine::addGraphicPosition(f.es, 5000, 0);
  engine::addGraphicPosition(f.es, 20, -1);
  f.start(); // the first frame ends at 18, 2 from the picture
  EXPECT_EQ(f.graphicIndexes, (std::vector<int>{1}));
  EXPECT_EQ(f.view.status(), "Graphic detected");
}

TEST(EndOfDocumentTest, StopsAndSaysSoWithoutLoopMode) {
  PacingFixture f(600, "Alpha beta gamma delta.");
  f.readAll();
  EXPECT_EQ(f.rs.readerState, ReaderStateKind::Ended);
  EXPECT_FALSE(f.tmRead().Enabled());
  EXPECT_EQ(f.parts.window.pauseCaption, "Restart");
  EXPECT_EQ(f.view.hint(), HintRestart);
  EXPECT_EQ(f.view.endTexts, 1);
  // the position saved is where the frame that found the end would have begun
  EXPECT_EQ(f.savedPositions, (std::vector<std::int32_t>{23}));
}

TEST(EndOfDocumentTest, LoopModeStartsAgainAndHoldsTheFirstFrameOneSecond) {
  PacingFixture f(600, "Alpha beta gamma delta.");
  f.settings.LoopMode = true;
  f.start();
  f.clock.runUntil([&] { return f.observer.frames.size() >= 4; }, 60000);
  ASSERT_EQ(f.observer.frames.size(), 4u);
  EXPECT_TRUE(f.observer.ends.empty());
  EXPECT_EQ(f.observer.frames[2].start, 1);
  EXPECT_EQ(f.observer.frames[3].t - f.observer.frames[2].t, 1000);

  PacingFixture empty(600, "x"); // no frame can be read, so loop mode ends
  empty.settings.LoopMode = true;
  empty.start();
  EXPECT_EQ(empty.rs.readerState, ReaderStateKind::Ended);
  EXPECT_EQ(empty.observer.ends.size(), 1u);
}

TEST(StopOrContinueTest, PauseAfterTheMenuGuardHoldsTheFrameAndContinueGoesOn) {
  PacingFixture f(600, Ten);
  f.start();
  f.clock.advance(100);
  f.rs.menuGuard = true; // the click that closed a menu is swallowed
  f.form.fevhStopOrContinue();
  EXPECT_EQ(f.rs.readerState, ReaderStateKind::Reading);
  f.form.fevhStopOrContinue();
  EXPECT_EQ(f.rs.readerState, ReaderStateKind::Paused);
  EXPECT_EQ(f.view.hint(), HintContinue);
  EXPECT_EQ(f.parts.window.pauseCaption, "Continue");
  f.clock.advance(60000);
  f.form.fevhStopOrContinue();
  EXPECT_EQ(f.parts.window.pauseCaption, "Pause");
  EXPECT_EQ(f.observer.frames.size(), 1u); // no frame is read at that moment
  f.clock.advance(f.tmRead().Interval());
  EXPECT_EQ(f.observer.frames.size(), 2u);
}

TEST(StopOrContinueTest, StartingAndPastEndIgnoreTheRequest) {
  for (ReaderStateKind state : {ReaderStateKind::Starting, ReaderStateKind::PastEnd}) {
    PacingFixture f;
    f.load(Ten);
    f.rs.readerState = state;
    f.form.fevhStopOrContinue();
    EXPECT_EQ(f.rs.readerState, state);
    EXPECT_TRUE(f.observer.frames.empty());
    EXPECT_FALSE(f.tmRead().Enabled());
  }
}

TEST(StatusLine, ThePositionTextOfEachMode) {
  const struct {
    ReadingModeKind mode;
    bool findBar;
    const char* text;
  } cases[] = {
      {ReadingModeKind::Banner, false, "42% | 300 wpm (1 x 3)"},
      {ReadingModeKind::Sentence, false, "42% | 300 wpm "},
      {ReadingModeKind::Single, false, "42%"},
      {ReadingModeKind::Banner, true, "42%"},
  };
  for (const auto& c : cases) {
    PacingFixture f(300, std::string(100, 'x'));
    f.settings.ReadingMode = c.mode;
    f.parts.window.search.FindActive = c.findBar;
    f.es.CurrentPosition = 42;
    f.form.UpdatePercent();
    ASSERT_FALSE(f.view.positions.empty());
    EXPECT_EQ(f.view.positions.back(), c.text) << static_cast<int>(c.mode);
  }
}

TEST(StatusLine, TheBarShowsTheFurthestPointAndAShorterDocumentResetsIt) {
  PacingFixture f(300, std::string(1000, 'x'));
  f.es.CurrentPosition = 500;
  f.form.UpdatePercent();
  f.es.CurrentPosition = 100;
  f.form.UpdatePercent();
  EXPECT_EQ(f.view.bars.back(), 5000);
  EXPECT_EQ(f.parts.window.lastReadPosition, 500);
  f.load(std::string(200, 'x')); // a new, shorter document, read from its start
  f.form.UpdatePercent();
  EXPECT_EQ(f.parts.window.lastReadPosition, 1);
  EXPECT_EQ(f.view.bars.back(), 50);
}

TEST(StatusLine, MessagesGoOnlyWhenTheyAreTheirOwn) {
  PacingFixture f;
  f.banner(300, 1, 3);
  f.form.showHeadingIcon();
  f.form.hidePictureIcon(); // not the picture's message: it stays
  EXPECT_EQ(f.view.status(), "Heading detected");
  f.form.showFastForwardIcon(NavIcon::None); // nor a navigation message
  EXPECT_EQ(f.view.status(), "Heading detected");
  f.form.hideHeadingIcon();
  EXPECT_EQ(f.view.messages, (std::vector<std::string>{"Heading detected", ""}));
  // The column modes show no navigation message.
  f.settings.ReadingMode = ReadingModeKind::Double;
  f.form.showFastForwardIcon(NavIcon::Play);
  EXPECT_EQ(f.view.status(), "");
  f.form.showTimedStatusMessage("AutoSkim On"); // a timed message goes after a second
  f.clock.advance(999);
  EXPECT_EQ(f.view.status(), "AutoSkim On");
  f.clock.advance(1);
  EXPECT_EQ(f.view.status(), "");
  EXPECT_FALSE(f.tmHideInfo().Enabled());
}

constexpr const char* Text = "The other theme was the best. Then the end came for the rest.";

struct Finding : PacingFixture {
  explicit Finding(bool skim = false) : PacingFixture(300, Text) {
    settings.CompressorStatus = skim;
    start();
    clock.advance(1500);
    form.FindText1Click();
  }
  // The match position, 0 when none.
  std::int32_t next(const std::string& text) {
    form.tbFindTextChange(text);
    form.pbFindNextClick();
    return parts.window.search.MatchShown ? parts.window.search.LastMatch - 1 : 0;
  }
};

TEST(FindBar, AfterTheLastMatchNotFoundThenAfterASecondTheWrapOfferAndAFreshStart) {
  Finding f;
  EXPECT_TRUE(f.view.findBar);
  EXPECT_FALSE(f.tmRead().Enabled());
  f.es.FrameStartPosition = 40;
  EXPECT_EQ(f.next("  THE "), 53); // blanks around it and the case do not count
  EXPECT_NE(f.es.FrameLines[0].find(engine::HighlightToken), std::string::npos);
  EXPECT_EQ(f.view.hint(), "Search complete");
  f.next("the");
  f.clock.advance(999);
  EXPECT_EQ(f.view.hint(), "The text searched was not found !");
  f.clock.advance(1);
  EXPECT_EQ(f.view.hint(), "Click Find Next to search from the start...");
  EXPECT_EQ(f.next("the"), 1);
  EXPECT_EQ(std::count(f.view.hints.begin(), f.view.hints.end(), "Searching ..."), 3);
}

TEST(FindBar, GoReadsOnFromTheHighlightedWord) {
  Finding f;
  f.es.FrameStartPosition = 30;
  ASSERT_EQ(f.next("end"), 40);
  const std::int32_t frameEnd = f.es.CurrentPosition;
  const std::size_t framesBefore = f.observer.frames.size();
  f.form.pbGoClick();
  EXPECT_FALSE(f.view.findBar);
  f.clock.advance(1);
  ASSERT_GT(f.observer.frames.size(), framesBefore);
  EXPECT_EQ(f.observer.frames.back().start, frameEnd - 1);
  EXPECT_EQ(f.rs.readerState, ReaderStateKind::Reading);
}

// AutoSkim is off while the bar is open and on again after it.
TEST(FindBar, EscapeReturnsToTheFrameWhereTheSearchBeganWithAutoSkimBackOn) {
  Finding f(true);
  EXPECT_FALSE(f.settings.CompressorStatus);
  const std::int32_t began = f.es.FrameStartPosition;
  f.next("the");
  f.next("the");
  ASSERT_TRUE(f.form.FormKeyDown({Key::Escape}));
  EXPECT_FALSE(f.view.findBar);
  EXPECT_TRUE(f.settings.CompressorStatus);
  f.clock.advance(1);
  ASSERT_FALSE(f.observer.frames.empty());
  EXPECT_EQ(f.observer.frames.back().start, began);
}

} // namespace
} // namespace reader::testing
