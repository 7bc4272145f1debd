// The mouse on the reader window: dragging the orange dot, its hover
// picture, the start and end marks with their highlights, and the wheel.
#include <QMouseEvent>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "reader/progress_dot.h"
#include "window_fixture.h"

namespace reader::testing {
namespace {

// The pointer on a child control of the window, in the control's coordinates.
struct Mouse {
  explicit Mouse(Reader& r) : r(r) {}
  QWidget* at(ControlId id) const {
    QWidget* w = r.widget().child(id);
    EXPECT_NE(w, nullptr) << controlName(id);
    return w;
  }
  void send(ControlId id, QEvent::Type type, QPoint p, Qt::MouseButton button,
            Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(p), QPointF(at(id)->mapToGlobal(p)), button, held, Qt::NoModifier);
    QApplication::sendEvent(at(id), &e);
  }
  void press(ControlId id, QPoint p) {
    send(id, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
  }
  void move(ControlId id, QPoint p) {
    send(id, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
  }
  void release(ControlId id, QPoint p) {
    send(id, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
  }
  void click(ControlId id) {
    press(id, {2, 2});
    release(id, {2, 2});
  }
  void enter(ControlId id) {
    QEnterEvent e(QPointF(1, 1), QPointF(1, 1), QPointF(at(id)->mapToGlobal(QPoint(1, 1))));
    QApplication::sendEvent(at(id), &e);
  }
  void leave(ControlId id) {
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(at(id), &e);
  }
  Reader& r;
};

TEST(DotWithTheMouse, DraggingTheDotMovesTheReadingToThatPlaceAndItNeverLeavesItsTrack) {
  Reader r(engine::ReadingModeKind::Banner);
  Mouse mouse(r);
  r.clock.advance(3000);
  const DotTrack track = bannerDotTrack(r.parts().layout.geometry);
  controls::TMyImage& dot = r.window().orangeDot();
  ASSERT_GE(dot.Left(), track.start);

  // Dragged far past the right end, then to a third of the track.
  mouse.press(ControlId::pbOrangeDot, {6, 6});
  mouse.move(ControlId::pbOrangeDot, {2000, 6});
  EXPECT_LE(dot.Left() + dot.Width(), track.end);
  mouse.move(ControlId::pbOrangeDot, {track.start + (track.end - track.start) / 3 - dot.Left(), 6});
  const int dropped = dot.Left();
  mouse.release(ControlId::pbOrangeDot, {6, 6});
  const std::int32_t expected =
      wordStartAt(r.state, dropPosition(r.state, droppedDotFraction(track, dropped)));
  EXPECT_EQ(r.state.FrameStartPosition, expected);
  EXPECT_GT(expected, 1);
}

TEST(DotWithTheMouse, TheDotShowsItsHoverPictureWhileTheMouseIsOverIt) {
  for (auto mode : {engine::ReadingModeKind::Banner, engine::ReadingModeKind::Single}) {
    Reader r(mode, false, [](engine::SettingsRecord& s) {
      s.Banner.BackgroundColor = {255, 255, 255};
      s.Column.BackgroundColor = {211, 211, 211};
    });
    Mouse mouse(r);
    const bool banner = mode == engine::ReadingModeKind::Banner;
    const ControlId id = banner ? ControlId::pbOrangeDot : ControlId::pbOrangeDotC;
    controls::TMyImage& dot = banner ? r.window().orangeDot() : r.window().orangeDotC();
    const std::string picture = banner ? "dotonwhite" : "dotongrey";
    EXPECT_EQ(dot.Picture(), picture);
    mouse.enter(id);
    EXPECT_EQ(dot.Picture(), picture + "mo");
    mouse.leave(id);
    EXPECT_EQ(dot.Picture(), picture);
  }
}

TEST(MarksWithTheMouse, AfterAPauseAMarkOffersItsHighlightAndAClickOnItJumps) {
  Reader r(engine::ReadingModeKind::Banner);
  Mouse mouse(r);
  r.clock.advance(3000);
  const auto highlightShown = [&] {
    return r.widget().child(ControlId::pbHighLight)->isVisibleTo(&r.widget());
  };
  r.press(Qt::Key_Space);
  mouse.enter(ControlId::pbGoToStartB);
  EXPECT_TRUE(highlightShown());
  mouse.click(ControlId::pbHighLight);
  EXPECT_EQ(r.state.FrameStartPosition, 1);
  EXPECT_EQ(r.reading.readerState, ReaderStateKind::Reading);
  mouse.leave(ControlId::pbHighLight);
  EXPECT_FALSE(highlightShown());
}

// The column marks are the unit test Marks.TheColumnMarksAlwaysOfferTheirJump.
TEST(WheelAndClicks, TheWheelAndAClickOnAColumnTurnPages) {
  Reader r(engine::ReadingModeKind::Single, false);
  const std::int32_t first = r.parts().page.pageStart;
  QWheelEvent down(QPointF(50, 200), QPointF(50, 200), QPoint(), QPoint(0, -120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&r.widget(), &down);
  r.clock.advance(400);
  const std::int32_t second = r.parts().page.pageStart;
  EXPECT_GT(second, first);
  Mouse(r).click(ControlId::pbColumn);
  r.clock.advance(399);
  EXPECT_EQ(r.parts().page.pageStart, second); // the page fades out first
  r.clock.advance(1);
  EXPECT_GT(r.parts().page.pageStart, second);
  QWheelEvent up(QPointF(50, 200), QPointF(50, 200), QPoint(), QPoint(0, 120), Qt::NoButton,
                 Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&r.widget(), &up);
  EXPECT_EQ(r.parts().page.pageStart, second);
}

} // namespace
} // namespace reader::testing
