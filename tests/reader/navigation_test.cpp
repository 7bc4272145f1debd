// The keys of the banner modes, the page turns of the column modes, the orange dot and the marks.
#include <gtest/gtest.h>

#include "pacing_fixture.h"
#include "reader/layout_geometry.h"
#include "reader/progress_dot.h"

namespace reader::testing {
namespace {

using engine::ReadingModeKind;

const std::string Paragraphs = "First paragraph has these words here.\r\r"
                               "Second paragraph follows with more words.\r\r"
                               "Third and last paragraph ends it.";

// 600 wpm, one line of three words, reading.
struct Keys : PacingFixture {
  explicit Keys(bool sentenceMode = false) {
    pace(sentenceMode, 600);
    load(Paragraphs);
    start();
  }
  std::int32_t at(const std::string& word) const {
    return static_cast<std::int32_t>(es.DocumentText.find(word)) + 1;
  }
  void readTo(const std::string& word) {
    clock.runUntil([&] { return es.FrameStartPosition == at(word); }, 60000);
    ASSERT_EQ(es.FrameStartPosition, at(word));
  }
};

// Each key's frame, shown at once, then read on from (engine/navigation_test builds them).
TEST(NavigationKeys, EachKeyShowsItsFrameAtOnceAndReadingGoesOnFromThere) {
  const struct {
    const char* what;
    bool sentence;
    std::string readTo; // the frame on the strip when the key is pressed
    Key key;
    std::string shownStart, nextStart; // the frame shown at once, the next one ("" = the end)
  } cases[] = {
      // clang-format off
      {"Home restarts", false, "Second", Key::Home, "First", "these"},
      {"End shows the last frame", false, "First", Key::End, "paragraph ends", ""},
      {"Right steps three frames on", false, "First", Key::Right, "follows", "words."},
      {"Left shows the frame before", false, "these", Key::Left, "First", "these"},
      {"Page Down opens the next paragraph", false, "First", Key::PageDown, "Second", "follows"},
      {"Page Up opens the paragraph before", false, "Third", Key::PageUp, "Second", "follows"},
      {"Right in Sentence mode", true, "First", Key::Right, "Second", "Third"},
      // clang-format on
  };
  for (const auto& c : cases) {
    Keys f(c.sentence);
    f.readTo(c.readTo);
    const std::size_t before = f.observer.frames.size();
    const std::int64_t now = f.clock.nowMs();
    f.press(c.key);
    ASSERT_EQ(f.observer.frames.size(), before + 1) << c.what;
    const FrameEvent& shown = f.observer.frames.back();
    EXPECT_EQ(shown.t, now) << c.what;
    EXPECT_EQ(shown.start, f.at(c.shownStart)) << c.what;
    f.clock.runUntil(
        [&] { return f.observer.frames.size() > before + 1 || !f.observer.ends.empty(); }, 60000);
    if (c.nextStart.empty()) {
      EXPECT_EQ(f.observer.ends.size(), 1u) << c.what;
    } else {
      ASSERT_GT(f.observer.frames.size(), before + 1) << c.what;
      EXPECT_EQ(f.observer.frames[before + 1].start, f.at(c.nextStart)) << c.what;
    }
  }
}

TEST(NavigationKeys, PageDownPastTheLastParagraphAsksForARestartAndTheNextTickEnds) {
  Keys f;
  f.readTo("paragraph ends");
  f.press(Key::PageDown);
  EXPECT_EQ(f.view.hint(), HintRestart);
  f.clock.advance(1);
  EXPECT_EQ(f.observer.ends.size(), 1u);
}

TEST(NavigationKeys, FrameStepsNameTheStepDrawCondensedAndTimeTheFrameShown) {
  Keys f;
  f.form.FormKeyDown({Key::Right});
  EXPECT_EQ(f.view.status(), "Fast Forward");
  f.form.FormKeyUp({Key::Right});
  EXPECT_EQ(f.view.status(), "Play");
  EXPECT_EQ(f.rs.navIcon, NavIcon::None);
  f.form.FormKeyDown({Key::Left});
  EXPECT_EQ(f.view.status(), "Rewind");
  f.form.FormKeyUp({Key::Left});
  EXPECT_EQ(f.view.condensed, 2);
  EXPECT_EQ(f.view.condensedDraws, (std::vector<bool>{true, false}));
  // The frame on the strip keeps its own time: three words at 600 wpm.
  const int interval = f.tmRead().Interval(); // read before timing() sets it again
  EXPECT_EQ(interval, f.timing(3));
}

std::string longText() {
  std::string text;
  for (int i = 0; i < 300; ++i)
    text += "Paragraph " + std::to_string(i) + " holds a few words to fill the column.\r\r";
  return text;
}

struct Pages : PacingFixture {
  explicit Pages(ReadingModeKind mode = ReadingModeKind::Single) {
    settings.ReadingMode = mode;
    settings.ColumnNumber = mode == ReadingModeKind::Double ? 2 : 1;
    load(longText());
    form.FormShow();
  }
  // Every page start, turned with Space.
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

TEST(PageTurns, BackAndForwardOneOrThreePagesMeetThePagesTurnedOneByOne) {
  Pages walk(ReadingModeKind::Double);
  const std::vector<std::int32_t> starts = walk.startsBySpace();
  ASSERT_GE(starts.size(), 8u);
  const int mid = 6;
  {
    Pages f(ReadingModeKind::Double);
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
  // Three pages forward near the end stop at the last page.
  Pages f(ReadingModeKind::Double);
  for (std::size_t i = 0; i + 2 < starts.size(); ++i)
    f.press(Key::Space);
  f.press(Key::PageDown);
  f.clock.advance(400);
  EXPECT_EQ(f.parts.page.pageStart, starts.back());
  EXPECT_TRUE(f.parts.page.pageAtEnd);
  f.press(Key::PageDown); // and there Page Down does nothing
  f.clock.advance(1000);
  EXPECT_EQ(f.parts.page.pageStart, starts.back());
}

TEST(PageJumps, HomeEndAndLastInTheColumnModes) {
  Pages f;
  for (int i = 0; i < 4; ++i)
    f.press(Key::Space);
  const std::int32_t furthest = f.parts.window.lastReadPosition;
  f.press(Key::Home);
  f.clock.advance(400);
  EXPECT_EQ(f.parts.page.pageStart, 1);
  // Back to the furthest point: the page after the furthest one shown.
  f.press(Key::L);
  f.clock.advance(400);
  EXPECT_EQ(f.parts.page.pageStart, furthest);
  f.press(Key::End);
  f.clock.advance(400);
  EXPECT_TRUE(f.parts.page.pageAtEnd);
  EXPECT_GT(f.parts.page.pageStart, furthest);
}

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

TEST(DotDrop, APositionInsideAWordGoesBackToTheWordsFirstLetter) {
  engine::EngineState es;
  engine::setDocumentText(es, "Alpha beta, gamma delta");
  const std::pair<int, int> starts[] = {{1, 1}, {3, 1}, {7, 7}, {16, 13}};
  for (const auto& [at, start] : starts)
    EXPECT_EQ(wordStartAt(es, at), start) << at;
  EXPECT_EQ(dropPosition(es, 0.0), 1);
  EXPECT_EQ(dropPosition(es, 0.5), 11);
  EXPECT_EQ(dropPosition(es, 1.0), 23);
}

std::string numberedWords() {
  std::string text;
  for (int i = 0; i < 200; ++i)
    text += "word" + std::to_string(i) + " ";
  return text;
}

// Banner at 600 wpm, reading two hundred words.
struct Dot : PacingFixture {
  Dot() : PacingFixture(600, numberedWords()) {
    form.FormShow();
    start();
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
  const std::int32_t expected = wordStartAt(f.es, dropPosition(f.es, fraction));
  EXPECT_EQ(f.observer.frames.back().start, expected);
  EXPECT_EQ(f.observer.frames.back().t, f.clock.nowMs());
  EXPECT_FALSE(f.parts.window.draggingDot);
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
  f.clock.advance(5000);
  f.form.pbHighLightClick(ControlId::pbHighLight);
  EXPECT_EQ(f.observer.frames.back().start, 1);
  EXPECT_EQ(f.rs.readerState, ReaderStateKind::Reading);
  f.form.pbHighLightMouseLeave(ControlId::pbHighLight);
  EXPECT_EQ(f.view.highlights.back(), (std::pair{ControlId::pbHighLight, false}));
}

TEST(Wheel, TheWheelStepsFrames) {
  Dot banner;
  banner.clock.advance(2000);
  const std::int32_t at = banner.observer.frames.back().end;
  banner.form.FormMouseWheel(false);
  EXPECT_GT(banner.observer.frames.back().start, at);
  EXPECT_EQ(banner.rs.navIcon, NavIcon::Play);
}

} // namespace
} // namespace reader::testing
