#include "controls/qt/control_widgets.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWidget>

#include <string>
#include <vector>

#include "support/qt_app.h"

namespace controls {
namespace {

using testsupport::qtApp;

// The draggable dot needs every mouse event in its own coordinates, with its
// button, also moves without a button pressed; and the cursor and hint it sets
// while it is dragged show on the widget at once.
TEST(ImageWidget, PassesEnterLeaveButtonsAndMovesToTheControlAndTakesItsCursor) {
  qtApp();
  QWidget parent;
  TMyImage image;
  image.setBounds(10, 20, 12, 12);
  std::vector<std::string> events;
  auto log = [&](std::string what, int x, int y, TMouseButton b = TMouseButton::mbMiddle) {
    if (b != TMouseButton::mbMiddle) what += b == TMouseButton::mbLeft ? " left" : " right";
    events.push_back(what + " " + std::to_string(x) + "," + std::to_string(y));
  };
  image.OnEndDock = [&](TMyImage&, const Control*, int x, int y) { log("enter", x, y); };
  image.OnEndDrag = [&](TMyImage&, const Control*, int x, int y) { log("leave", x, y); };
  image.OnMouseDown = [&](TMyImage&, TMouseButton b, int x, int y) { log("down", x, y, b); };
  image.OnMouseMove = [&](TMyImage& sender, int x, int y) {
    log("move", x, y);
    sender.setCursor(TCursor::crSizeWE);
  };
  image.OnMouseUp = [&](TMyImage&, TMouseButton b, int x, int y) { log("up", x, y, b); };
  image.OnClick = [&](TMyImage&) { events.push_back("click"); };
  ImageWidget widget(image, &parent);
  EXPECT_TRUE(widget.hasMouseTracking());

  const auto mouse = [&](QEvent::Type type, QPointF at, Qt::MouseButton button) {
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
  };
  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
  QCoreApplication::sendEvent(&widget, &enter);
  mouse(QEvent::MouseMove, {3, 4}, Qt::NoButton);
  EXPECT_EQ(widget.cursor().shape(), Qt::SizeHorCursor);
  mouse(QEvent::MouseButtonPress, {4, 5}, Qt::LeftButton);
  mouse(QEvent::MouseMove, {30, -7}, Qt::NoButton);          // dragged beyond the dot
  mouse(QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton); // back on it: a click
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(&widget, &leave);
  EXPECT_EQ(events,
            (std::vector<std::string>{"enter -100,-100", "move 3,4", "down left 4,5", "move 30,-7",
                                      "click", "up left 5,5", "leave -100,-100"}));

  image.setCursor(TCursor::crSizeNS);
  image.setHint("Drag the orange dot to sweep through the document ...");
  image.setLeft(40);
  EXPECT_EQ(widget.cursor().shape(), Qt::SizeVerCursor);
  EXPECT_EQ(widget.toolTip(), "Drag the orange dot to sweep through the document ...");
  EXPECT_EQ(widget.x(), 40);
  image.Hide();
  EXPECT_TRUE(widget.isHidden());
  image.Show();
  EXPECT_FALSE(widget.isHidden());
}

} // namespace
} // namespace controls
