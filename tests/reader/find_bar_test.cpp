// The find bar on the virtual clock: whole-word matches, the messages and
// their one-second wrap, and where Go and Cancel leave the reading.
#include <gtest/gtest.h>

#include <algorithm>

#include "reader/pacing_fixture.h"

namespace reader::testing {
namespace {

constexpr const char* Text = "The other theme was the best. Then the end came for the rest.";

struct Finding : PacingFixture {
  Finding() {
    banner(300, 1, 3);
    load(Text);
    start();
    clock.advance(1500);
    form.FindText1Click();
  }
  // Find Next with `text`; the 1-based match position, 0 when none.
  std::int32_t next(const std::string& text) {
    form.tbFindTextChange(text);
    form.pbFindNextClick();
    return parts.window.search.MatchShown ? parts.window.search.LastMatch - 1 : 0;
  }
};

TEST(FindBar, OpeningHaltsReadingAndFindNextShowsTheMatchHighlighted) {
  Finding f;
  EXPECT_TRUE(f.view.findBar);
  EXPECT_FALSE(f.tmRead().Enabled());
  f.es.FrameStartPosition = 1;
  EXPECT_EQ(f.next("  THE "), 1);
  EXPECT_GT(f.view.findDraws, 0);
  EXPECT_NE(f.es.FrameLines[0].find(engine::HighlightToken), std::string::npos);
}

TEST(FindBar, AfterTheLastMatchNotFoundThenAfterASecondTheWrapOfferAndAFreshStart) {
  Finding f;
  f.es.FrameStartPosition = 40;
  EXPECT_EQ(f.next("the"), 53);
  EXPECT_EQ(f.view.hint(), "Search complete");
  f.next("the");
  EXPECT_EQ(f.view.hint(), "The text searched was not found !");
  f.clock.advance(999);
  EXPECT_EQ(f.view.hint(), "The text searched was not found !");
  f.clock.advance(1);
  EXPECT_EQ(f.view.hint(), "Click Find Next to search from the start...");
  EXPECT_EQ(f.next("the"), 1);
  EXPECT_EQ(std::count(f.view.hints.begin(), f.view.hints.end(), "Searching ..."), 3);
}

TEST(FindBar, EscapeReturnsToTheFrameWhereTheSearchBegan) {
  Finding f;
  const std::int32_t began = f.es.FrameStartPosition;
  f.next("the");
  f.next("the");
  ASSERT_TRUE(f.form.FormKeyDown({Key::Escape}));
  EXPECT_FALSE(f.view.findBar);
  f.clock.advance(1);
  ASSERT_FALSE(f.observer.frames.empty());
  EXPECT_EQ(f.observer.frames.back().start, began);
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

TEST(FindBar, AutoSkimIsOffWhileTheBarIsOpenAndFullScreenIgnoresIt) {
  PacingFixture f;
  f.banner(300, 1, 3);
  f.load(Text);
  f.settings.CompressorStatus = true;
  f.form.FindText1Click();
  EXPECT_FALSE(f.settings.CompressorStatus);
  f.form.pbCloseFindClick();
  EXPECT_TRUE(f.settings.CompressorStatus);
  f.form.enterFullScreen();
  f.form.FormKeyDown({Key::F});
  EXPECT_FALSE(f.view.findBar);
}

} // namespace
} // namespace reader::testing
