// Page turns of the column modes on the real engine, with pages built as the
// window builds them (fixed-width text): the page fade, one and three pages
// forward and back, the start, the end and the furthest point read.
#include <gtest/gtest.h>

#include "pacing_fixture.h"

namespace reader::testing {
namespace {

using engine::ReadingModeKind;

std::string longText() {
  std::string text;
  for (int i = 0; i < 300; ++i)
    text += "Paragraph " + std::to_string(i) + " holds a few words to fill the column.\r\r";
  return text;
}

// A column mode shown with its first page.
struct Pages : PacingFixture {
  explicit Pages(ReadingModeKind mode = ReadingModeKind::Single) {
    settings.ReadingMode = mode;
    settings.ColumnNumber = mode == ReadingModeKind::Double ? 2 : 1;
    load(longText());
    form.FormShow();
  }
  // Every page start, turned one by one with Space from the first page.
  std::vector<std::int32_t> startsBySpace() {
    std::vector<std::int32_t> starts{parts.page.pageStart};
    while (!parts.page.pageAtEnd && starts.size() < 200) {
      press(Key::Space);
      starts.push_back(parts.page.pageStart);
    }
    return starts;
  }
};

TEST(PageFade, TenStepsOfFortyMillisecondsThenTheNextPageAtFullStrength) {
  Pages f;
  const std::int32_t next = f.es.CurrentPosition;
  f.clock.advance(1000);
  f.form.fevhNextPage();
  f.clock.advance(399);
  EXPECT_NE(f.parts.page.pageStart, next);
  f.clock.advance(1);
  EXPECT_EQ(f.parts.page.pageStart, next);
  std::vector<RecordingView::Timed> steps;
  for (int i = 0; i < 10; ++i)
    steps.push_back({1000 + 40 * i, 9 - i});
  EXPECT_EQ(f.view.pageDraws, steps);
  EXPECT_EQ(f.fade.fadeLevel, FullFadeLevel);
  EXPECT_FALSE(f.form.workScheduled());
}

TEST(PageFade, AtTheLastPageNextPageAndPageDownDoNothing) {
  for (Key key : {Key::PageDown, Key::Right, Key::Space}) {
    Pages f;
    f.form.fevhGoToEnd();
    f.clock.advance(400);
    ASSERT_TRUE(f.parts.page.pageAtEnd);
    const std::int32_t start = f.parts.page.pageStart;
    const std::size_t draws = f.view.pageDraws.size();
    f.press(key);
    f.form.fevhNextPage();
    f.clock.advance(1000);
    EXPECT_EQ(f.view.pageDraws.size(), draws) << static_cast<int>(key);
    EXPECT_EQ(f.parts.page.pageStart, start);
  }
}

TEST(PageTurns, BackAndForwardOneOrThreePagesMeetThePagesTurnedOneByOne) {
  for (ReadingModeKind mode : {ReadingModeKind::Single, ReadingModeKind::Double}) {
    Pages walk(mode);
    const std::vector<std::int32_t> starts = walk.startsBySpace();
    ASSERT_GE(starts.size(), 8u);
    const int mid = 6;

    Pages f(mode);
    for (int i = 0; i < mid; ++i)
      f.press(Key::Space);
    ASSERT_EQ(f.parts.page.pageStart, starts[mid]);
    f.press(Key::Left);
    EXPECT_EQ(f.parts.page.pageStart, starts[mid - 1]) << "one back";
    f.press(Key::Up);
    EXPECT_EQ(f.parts.page.pageStart, starts[mid - 2]) << "one back";
    f.press(Key::PageUp);
    EXPECT_EQ(f.parts.page.pageStart, starts[mid - 5]) << "three back";
    f.press(Key::PageDown);
    f.clock.advance(400);
    EXPECT_EQ(f.parts.page.pageStart, starts[mid - 2]) << "three forward";
    f.press(Key::PageUp);
    f.press(Key::PageUp); // stops at the first page
    EXPECT_EQ(f.parts.page.pageStart, 1);
  }
}

TEST(PageTurns, ThreePagesForwardNearTheEndStopAtTheLastPage) {
  Pages walk;
  const std::vector<std::int32_t> starts = walk.startsBySpace();
  Pages f;
  for (std::size_t i = 0; i + 2 < starts.size(); ++i)
    f.press(Key::Space);
  f.press(Key::PageDown);
  f.clock.advance(400);
  EXPECT_EQ(f.parts.page.pageStart, starts.back());
  EXPECT_TRUE(f.parts.page.pageAtEnd);
}

TEST(PageJumps, HomeEndAndLastInTheColumnModes) {
  Pages walk;
  const std::vector<std::int32_t> starts = walk.startsBySpace();
  Pages f;
  for (int i = 0; i < 4; ++i)
    f.press(Key::Space);
  const std::int32_t furthest = f.parts.window.lastReadPosition;
  EXPECT_EQ(furthest, f.es.CurrentPosition);
  f.press(Key::Home);
  f.clock.advance(400);
  EXPECT_EQ(f.parts.page.pageStart, 1);
  // Back to the furthest point: the page after the furthest one shown.
  f.press(Key::L);
  f.clock.advance(400);
  EXPECT_EQ(f.parts.page.pageStart, furthest);
  // Go To Last does nothing when the position is already the furthest.
  const std::size_t draws = f.view.pageDraws.size();
  f.form.fevhGoToLast();
  f.clock.advance(400);
  EXPECT_EQ(f.view.pageDraws.size(), draws);
  f.press(Key::End);
  f.clock.advance(400);
  EXPECT_TRUE(f.parts.page.pageAtEnd);
  EXPECT_GT(f.parts.page.pageStart, starts[starts.size() - 2]);
}

} // namespace
} // namespace reader::testing
