// The orange dot on its track and the marks at the ends of the bars: where
// the dot stands, how a drag moves it and where a drop reads from, and what
// the marks and their highlights do.
#include <gtest/gtest.h>

#include "pacing_fixture.h"
#include "reader/layout_geometry.h"
#include "reader/progress_dot.h"

namespace reader::testing {
namespace {

using engine::ReadingModeKind;

// The dot is 12 wide on a track from 19 to 576: it stands between 19 and 564.
TEST(DotTrack, TheDotStaysOnItsTrackADragMovesItWithinAndADropNearAnEndIsThatEnd) {
  const DotTrack track{19, 576, 12};
  const std::pair<double, int> places[] = {{0.0, 19},   {0.01, 19}, {0.5, 19 + 278 - 6},
                                           {0.99, 564}, {1.0, 564}, {2.0, 564}};
  for (const auto& [f, place] : places)
    EXPECT_EQ(dotPlace(track, f), place) << f;
  EXPECT_EQ(draggedDotPlace(track, 100, 5), 105);
  EXPECT_EQ(draggedDotPlace(track, 19, -1), std::nullopt);
  EXPECT_EQ(draggedDotPlace(track, 560, 5), std::nullopt); // 565 would pass the end
  EXPECT_EQ(droppedDotFraction(track, 21), 0.0);
  EXPECT_EQ(droppedDotFraction(track, 562), 1.0);
  EXPECT_DOUBLE_EQ(droppedDotFraction(track, 300), (300 - 19 + 6) / 557.0);
}

TEST(DotTrack, TheDesignedTracksRunBetweenTheHiddenEndPanels) {
  LayoutState layout;
  layout.geometry = designedGeometry();
  arrangeGeometry(layout, ReadingModeKind::Double);
  const DotTrack banner = bannerDotTrack(layout.geometry);
  const platform::Rect bar = layout.geometry.at(ControlId::pbarBanner).rect;
  EXPECT_LE(bar.left, banner.start);
  EXPECT_GE(bar.right(), banner.end);
  EXPECT_EQ(columnDotTrack(layout.geometry).end,
            layout.geometry.at(ControlId::pbarColumn).rect.bottom());
}

TEST(DotDrop, APositionInsideAWordGoesBackToTheWordsFirstLetter) {
  engine::EngineState es;
  engine::setDocumentText(es, "Alpha beta, gamma delta");
  const std::pair<int, int> starts[] = {{1, 1}, {3, 1}, {8, 7}, {7, 7}, {11, 11}, {16, 13}};
  for (const auto& [at, start] : starts)
    EXPECT_EQ(wordStartAt(es, at), start) << at;
  EXPECT_EQ(dropPosition(es, 0.0), 1);
  EXPECT_EQ(dropPosition(es, 0.5), 11);
  EXPECT_EQ(dropPosition(es, 1.0), 23);
}

// The banner window shown with a document, reading.
struct Dot : PacingFixture {
  explicit Dot(ReadingModeKind mode = ReadingModeKind::Banner, int words = 200) {
    banner(600, 1, 3);
    settings.ReadingMode = mode;
    std::string text;
    for (int i = 0; i < words; ++i)
      text += "word" + std::to_string(i) + " ";
    load(text);
    form.FormShow();
    if (isBannerMode(mode)) start();
  }
  int dotLeft() const { return parts.layout.geometry.at(ControlId::pbOrangeDot).rect.left; }
};

TEST(DotDrag, DroppingTheDotReadsFromTheWordAtThatPlace) {
  Dot f;
  f.clock.advance(2000);
  const int from = f.dotLeft();
  f.form.pbOrangeDotMouseDown(ControlId::pbOrangeDot);
  // The mouse goes to the middle of the track; reading meanwhile leaves the dot alone.
  const int middle = 19 + 557 / 2 - 6;
  f.form.pbOrangeDotMouseMove(ControlId::pbOrangeDot, middle - from, 0);
  f.clock.advance(1000);
  EXPECT_EQ(f.dotLeft(), middle);
  f.form.pbOrangeDotMouseUp(ControlId::pbOrangeDot);
  const double fraction = static_cast<double>(middle - 19 + 6) / 557;
  const std::int32_t expected =
      wordStartAt(f.es, dropPosition(f.es, fraction)); // the word the dot fell in
  ASSERT_EQ(f.es.DocumentText[static_cast<std::size_t>(expected) - 2], ' ');
  EXPECT_EQ(f.observer.frames.back().start, expected);
  EXPECT_EQ(f.observer.frames.back().t, f.clock.nowMs());
  EXPECT_FALSE(f.parts.window.draggingDot);
  // Reading goes on from there.
  f.clock.advance(f.tmRead().Interval());
  EXPECT_EQ(f.observer.frames.back().start, f.observer.frames[f.observer.frames.size() - 2].end);
}

TEST(DotDrag, TheEndsOfTheTrackAreTheStartAndTheEndOfTheDocument) {
  Dot start;
  start.form.fevhStopOrContinue(); // paused: the drop shows its frame and asks to continue
  start.form.pbOrangeDotMouseDown(ControlId::pbOrangeDot);
  start.form.pbOrangeDotMouseMove(ControlId::pbOrangeDot, 19 - start.dotLeft(), 0);
  start.form.pbOrangeDotMouseUp(ControlId::pbOrangeDot);
  EXPECT_EQ(start.observer.frames.back().start, 1);
  EXPECT_EQ(start.view.hint(), HintContinue);

  Dot end;
  end.form.pbOrangeDotMouseDown(ControlId::pbOrangeDot);
  end.form.pbOrangeDotMouseMove(ControlId::pbOrangeDot, 564 - end.dotLeft(), 0);
  end.form.pbOrangeDotMouseUp(ControlId::pbOrangeDot);
  end.clock.runUntil([&] { return !end.observer.ends.empty(); }, 10000);
  ASSERT_GE(end.observer.frames.size(), 2u);
  EXPECT_EQ(end.observer.frames.back().end, static_cast<std::int32_t>(end.es.DocumentLength));
}

TEST(DotDrag, TheColumnDotReadsThePageFromTheDropAndIgnoresAClickInPlace) {
  Dot f(ReadingModeKind::Single, 2000);
  const DotTrack track = columnDotTrack(f.parts.layout.geometry);
  auto& top = f.parts.layout.geometry.at(ControlId::pbOrangeDotC).rect.top;
  f.form.pbOrangeDotMouseDown(ControlId::pbOrangeDotC);
  f.form.pbOrangeDotMouseMove(ControlId::pbOrangeDotC, 0, (track.start + track.end) / 2 - top);
  const int droppedAt = top;
  f.form.pbOrangeDotMouseUp(ControlId::pbOrangeDotC);
  const std::int32_t dropped = f.parts.page.pageStart;
  EXPECT_GT(dropped, 1);
  EXPECT_EQ(dropped, wordStartAt(f.es, dropPosition(f.es, droppedDotFraction(track, droppedAt))));
  f.form.pbOrangeDotMouseDown(ControlId::pbOrangeDotC);
  f.form.pbOrangeDotMouseUp(ControlId::pbOrangeDotC); // not moved: nothing happens
  EXPECT_EQ(f.parts.page.pageStart, dropped);
  ASSERT_FALSE(f.parts.page.pageAtEnd);
}

TEST(Marks, WhileReadingAMarkShowsNoHintAfterAPauseItOffersItsJump) {
  Dot f;
  f.form.markMouseEnter(ControlId::pbGoToEndB);
  EXPECT_EQ(f.view.markHints.back(), (RecordingView::MarkHint{ControlId::pbGoToEndB, "", false}));
  EXPECT_TRUE(f.view.highlights.empty());

  f.form.fevhStopOrContinue();
  f.form.markMouseEnter(ControlId::pbGoToStartB);
  EXPECT_EQ(f.view.markHints.back(),
            (RecordingView::MarkHint{ControlId::pbGoToStartB, "Go To Start", true}));
  ASSERT_EQ(f.view.highlights.size(), 1u);
  const platform::Rect mark = f.parts.layout.geometry.at(ControlId::pbGoToStartB).rect;
  const platform::Rect shown = f.parts.layout.geometry.at(ControlId::pbHighLight).rect;
  EXPECT_EQ(shown.left, mark.left - 4);
  EXPECT_EQ(shown.top, mark.top - 3);
  f.clock.advance(5000);
  f.form.pbHighLightClick(ControlId::pbHighLight);
  EXPECT_EQ(f.observer.frames.back().start, 1);
  EXPECT_EQ(f.rs.readerState, ReaderStateKind::Reading);
  f.form.pbHighLightMouseLeave(ControlId::pbHighLight);
  EXPECT_EQ(f.view.highlights.back(), (std::pair{ControlId::pbHighLight, false}));
}

TEST(Marks, TheColumnMarksAlwaysOfferTheirJump) {
  Dot f(ReadingModeKind::Single);
  f.form.markMouseEnter(ControlId::pbGoToEndC);
  EXPECT_EQ(f.view.highlights.back(), (std::pair{ControlId::pbHighLightC, true}));
  f.form.pbHighLightClick(ControlId::pbHighLightC);
  f.clock.advance(400);
  EXPECT_TRUE(f.parts.page.pageAtEnd);
  f.form.markMouseEnter(ControlId::pbGoToStartC);
  f.form.pbHighLightClick(ControlId::pbHighLightC);
  f.clock.advance(400);
  EXPECT_EQ(f.parts.page.pageStart, 1);
}

TEST(Wheel, TheWheelStepsFramesAndTurnsPages) {
  Dot banner;
  banner.clock.advance(2000);
  const std::int32_t at = banner.observer.frames.back().end;
  banner.form.FormMouseWheel(false);
  EXPECT_GT(banner.observer.frames.back().start, at);
  EXPECT_EQ(banner.rs.navIcon, NavIcon::Play);

  Dot pages(ReadingModeKind::Single);
  const std::int32_t first = pages.parts.page.pageStart;
  pages.form.FormMouseWheel(false);
  pages.clock.advance(400);
  EXPECT_GT(pages.parts.page.pageStart, first);
  pages.form.FormMouseWheel(true);
  EXPECT_EQ(pages.parts.page.pageStart, first);
}

} // namespace
} // namespace reader::testing
