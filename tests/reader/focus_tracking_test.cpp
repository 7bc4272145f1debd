// The focus timer following the source window on a scripted desktop: leaving
// hides (in the banner modes also halts) the reader, the source brings it back.
#include <gtest/gtest.h>

#include "pacing_fixture.h"

namespace reader::testing {
namespace {

using engine::ReadingModeKind;
using platform::WindowId;

std::string sentences() {
  std::string text;
  for (int i = 0; i < 200; ++i)
    text += "Sentence " + std::to_string(i) + " has a few more words in it.\r";
  return text;
}

// A desktop with the document's editor, a terminal and a program dialog; the reader in front.
struct Desk : PacingFixture {
  explicit Desk(ReadingModeKind mode, bool withSource = true) {
    pace(mode == ReadingModeKind::Sentence, 300);
    settings.ReadingMode = mode;
    settings.ColumnNumber = mode == ReadingModeKind::Double ? 2 : 1;
    const int own = platform::FakeDesktop::ownProcess;
    reader = desktop.addWindow({.title = "Lumetra", .processId = own});
    dialog = desktop.addWindow({.title = "Options", .processId = own});
    source = desktop.addWindow({.title = "notes.txt - Mousepad", .processId = 301});
    terminal = desktop.addWindow({.title = "xterm", .processId = 302});
    desktop.window(source).geometry.outer = {100, 100, 800, 600};
    view.id = reader;
    acquisition.SourceWindow = withSource ? source : acquisition::NoSourceWindow;
    desktop.setForeground(reader);
    load(sentences());
    form.FormShow();
    if (engine::isBannerMode(mode)) start();
    clock.advance(1000);
  }
  // The user brings `window` to the front; one focus tick follows.
  void bringToFront(WindowId window) {
    desktop.setForeground(window);
    clock.advance(100);
  }
  std::size_t frameCount() const { return observer.frames.size(); }

  WindowId reader = 0, dialog = 0, source = 0, terminal = 0;
};

TEST(FocusTracking, LeavingHidesTheReaderAndTheSourceBringsItBackWithItsFrameOrPage) {
  for (ReadingModeKind mode : {ReadingModeKind::Banner, ReadingModeKind::Single}) {
    SCOPED_TRACE(static_cast<int>(mode));
    Desk d(mode);
    const std::int32_t pageStart = d.parts.page.pageStart;
    const std::size_t frames = d.frameCount();
    const int pages = d.view.pagesShown;

    d.bringToFront(d.terminal);
    EXPECT_FALSE(d.view.shown);
    const std::vector<std::string> lines = shownLines(d.es);
    d.clock.advance(3000); // reading has halted on the frame that was on screen
    EXPECT_EQ(d.frameCount(), frames);
    const int fullRedraws = d.view.fullRedraws;

    d.bringToFront(d.source);
    EXPECT_TRUE(d.view.shown);
    ASSERT_FALSE(d.desktop.keptOnTop().empty());
    EXPECT_EQ(d.desktop.keptOnTop().back(), d.reader);
    EXPECT_EQ(d.desktop.foregroundWindow(), d.source) << "the reader takes no focus";
    if (engine::isBannerMode(mode)) {
      EXPECT_EQ(d.frameCount(), frames);
      EXPECT_EQ(d.view.fullRedraws, fullRedraws + 1);
      EXPECT_EQ(d.view.draws.back().lines, lines);
      EXPECT_EQ(d.view.hint(), HintContinue);
      // Space does not reach a reader that is not in front.
      d.clock.advance(100);
      EXPECT_EQ(d.view.hint(), HintClickContinue);
      d.desktop.setForeground(d.reader);
      d.form.fevhStopOrContinue();
      d.clock.advance(1000);
      EXPECT_GT(d.frameCount(), frames);
    } else {
      EXPECT_EQ(d.view.pagesShown, pages + 1);
      EXPECT_EQ(d.parts.page.pageStart, pageStart);
      d.clock.advance(300);
      EXPECT_EQ(d.view.pagesShown, pages + 1) << "the page is read again once";
    }
  }
}

TEST(FocusTracking, TheProgramsOwnWindowsAndAFailedQueryAreNotLeaving) {
  for (auto [mode, dialog] :
       {std::pair{ReadingModeKind::Banner, true}, std::pair{ReadingModeKind::Single, false}}) {
    Desk d(mode);
    const std::size_t frames = d.frameCount();
    d.bringToFront(dialog ? d.dialog : platform::FailedWindow);
    d.clock.advance(1000);
    EXPECT_TRUE(d.view.shown) << dialog;
    if (engine::isBannerMode(mode)) {
      EXPECT_GT(d.frameCount(), frames) << dialog;
    }
  }
}

TEST(FocusTracking, AHiddenOrMinimisedSourceHidesTheReader) {
  const struct {
    ReadingModeKind mode;
    platform::WindowState state; // mapped, hidden, minimised
    bool offScreen, hides;
  } cases[] = {{ReadingModeKind::Banner, {false, false, false}, false, true},
               {ReadingModeKind::Sentence, {true, false, true}, false, true},
               {ReadingModeKind::Single, {true, true, false}, false, true},
               {ReadingModeKind::Double, {true, false, false}, true, true},
               // The banner modes follow what is in front, not where the source lies.
               {ReadingModeKind::Banner, {true, false, false}, true, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(&c - cases));
    Desk d(c.mode);
    platform::FakeWindow& source = d.desktop.window(d.source);
    source.state = c.state;
    if (c.offScreen) source.geometry.outer = {-32000, -32000, 1, 1};
    d.clock.advance(100); // the reader is still in front
    EXPECT_EQ(d.view.shown, !c.hides);
    if (engine::isBannerMode(c.mode) && c.hides) {
      EXPECT_TRUE(d.rs.readingHalted);
    }
  }
}

// With or without a source window, the next focus tick starts a prepared document.
TEST(FocusTracking, AHandedOverDocumentStartsOnTheNextTickAtItsSavedPosition) {
  for (bool autoStart : {true, false}) {
    SCOPED_TRACE(autoStart);
    Desk d(ReadingModeKind::Banner, autoStart);
    d.form.fevhStopOrContinue(); // a new document arrives while paused
    d.form.prepareStart(autoStart);
    const std::size_t frames = d.frameCount();
    const int restores = d.restores;
    d.clock.advance(100);
    EXPECT_EQ(d.restores, restores + 1);
    EXPECT_FALSE(d.rs.startPending);
    if (autoStart) {
      EXPECT_EQ(d.view.status(), "Play");
      EXPECT_EQ(d.frameCount(), frames + 1);
    } else {
      EXPECT_EQ(d.view.hint(), HintStart);
      d.clock.advance(1000);
      EXPECT_EQ(d.frameCount(), frames);
    }
  }
}

TEST(FocusTracking, WithTheFindBarOpenTheMatchIsFoundAndShownAgainOnReturn) {
  Desk d(ReadingModeKind::Banner);
  d.form.FindText1Click();
  d.form.tbFindTextChange("more");
  d.form.pbFindNextClick();
  d.form.pbFindNextClick();
  const std::int32_t match = d.es.FrameStartPosition;
  const engine::SearchState search = d.parts.window.search;
  d.bringToFront(d.terminal);
  d.bringToFront(d.source);
  EXPECT_EQ(d.es.FrameStartPosition, match);
  EXPECT_EQ(d.parts.window.search.LastMatch, search.LastMatch);
  EXPECT_EQ(d.parts.window.search.FindCount, search.FindCount);
  EXPECT_EQ(d.view.findDraws, 3);
  EXPECT_EQ(d.view.hint(), "Search complete");
}

TEST(FocusTracking, AnOpenMenuDelaysTheLeavingAndClosingEndsTheFollowing) {
  Desk d(ReadingModeKind::Single);
  d.fade.menuLoopActive = true;
  d.bringToFront(d.terminal);
  EXPECT_TRUE(d.view.shown);
  d.fade.menuLoopActive = false;
  d.clock.advance(100);
  EXPECT_FALSE(d.view.shown);
  Desk closed(ReadingModeKind::Banner);
  closed.form.FormClose();
  EXPECT_FALSE(closed.acquisition.ReaderShown);
  EXPECT_EQ(closed.acquisition.SourceWindow, acquisition::NoSourceWindow);
  closed.bringToFront(closed.terminal);
  EXPECT_TRUE(closed.view.shown);
}

} // namespace
} // namespace reader::testing
