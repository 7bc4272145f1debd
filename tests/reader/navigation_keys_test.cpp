// The navigation keys on the real engine and TForm1, found in the command
// table as the window finds them: what each key puts on the strip at once,
// and where reading goes on from.
#include <gtest/gtest.h>

#include "pacing_fixture.h"

namespace reader::testing {
namespace {

const std::string Paragraphs = "First paragraph has these words here.\r\r"
                               "Second paragraph follows with more words.\r\r"
                               "Third and last paragraph ends it.";

// Banner at 600 wpm, one line of three words, read from the start.
struct Keys : PacingFixture {
  explicit Keys(bool sentenceMode = false) {
    if (sentenceMode)
      sentence(600);
    else
      banner(600, 1, 3);
    load(Paragraphs);
    start();
  }
  std::int32_t at(const std::string& word) const {
    return static_cast<std::int32_t>(es.DocumentText.find(word)) + 1;
  }
  // Reads on until the frame of the given start is on the strip.
  void readTo(const std::string& word) {
    clock.runUntil([&] { return es.FrameStartPosition == at(word); }, 60000);
    ASSERT_EQ(es.FrameStartPosition, at(word));
  }
};

// Which key runs which step, shown at once, and the next tick reading on from
// it. The frames the steps build are engine/navigation_test's.
struct KeyCase {
  const char* what;
  bool sentence;
  std::string readTo; // the frame on the strip when the key is pressed
  Key key;
  std::string shownStart; // where the frame the key puts on the strip begins
  std::string nextStart;  // the frame the next tick shows; "" = the end
};

TEST(NavigationKeys, EachKeyShowsItsFrameAtOnceAndReadingGoesOnFromThere) {
  // clang-format off
  const KeyCase cases[] = {
      {"Home restarts", false, "Second", Key::Home, "First", "these"},
      {"S restarts", false, "Second", Key::S, "First", "these"},
      {"End shows the last frame", false, "First", Key::End, "paragraph ends", ""},
      {"Right steps three frames on", false, "First", Key::Right, "follows", "words."},
      {"Left shows the frame before", false, "these", Key::Left, "First", "these"},
      {"Page Down opens the next paragraph", false, "First", Key::PageDown, "Second", "follows"},
      {"Page Up opens the paragraph before", false, "Third", Key::PageUp, "Second", "follows"},
      {"Right in Sentence mode", true, "First", Key::Right, "Second", "Third"},
      {"Left in Sentence mode", true, "Second", Key::Left, "First", "Second"},
  };
  // clang-format on
  for (const KeyCase& c : cases) {
    Keys f(c.sentence);
    f.readTo(c.readTo);
    const std::size_t before = f.observer.frames.size();
    const std::int64_t now = f.clock.nowMs();
    f.press(c.key);
    ASSERT_EQ(f.observer.frames.size(), before + 1) << c.what;
    const FrameEvent& shown = f.observer.frames.back();
    EXPECT_EQ(shown.t, now) << c.what;
    EXPECT_EQ(shown.start, f.at(c.shownStart)) << c.what;
    EXPECT_EQ(f.rs.readerState, ReaderStateKind::Reading) << c.what;
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
  EXPECT_EQ(f.view.endTexts, 1);
  EXPECT_EQ(f.view.hint(), HintRestart);
  EXPECT_EQ(f.rs.readerState, ReaderStateKind::Ended);
}

TEST(NavigationKeys, TheFurthestPointStaysOnTheBarAndLReturnsToIt) {
  Keys f;
  f.readTo("Third");
  const std::int32_t furthest = f.parts.window.lastReadPosition;
  ASSERT_GE(furthest, f.at("Third"));
  const int bar = f.view.bars.back();
  f.press(Key::Home);
  EXPECT_EQ(f.view.bars.back(), bar); // the bar keeps the furthest point
  EXPECT_EQ(f.parts.window.lastReadPosition, furthest);
  f.press(Key::L);
  EXPECT_EQ(f.observer.frames.back().start, furthest);
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
  EXPECT_EQ(f.tmRead().Interval(), f.timing(3));
}

} // namespace
} // namespace reader::testing
