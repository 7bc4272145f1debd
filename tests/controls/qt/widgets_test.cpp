#include "controls/qt/control_widgets.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

#include <string>
#include <vector>

#include "support/qt_app.h"

namespace controls {
namespace {

using platform::rgb;
using testsupport::qtApp;

TEST(ProgressBarWidget, TheBannerBarHalfWayShows278FilledPixels) {
  qtApp();
  QWidget panel;
  panel.resize(600, 25);
  TALProgressBar bar; // the banner progress bar as the reader window sets it up
  bar.setBounds(19, 8, 557, 6);
  bar.setMax(10000);
  bar.setBarColorStyle(TBarColorStyle::cs1Color);
  bar.setBarColor1(rgb(128, 128, 128));
  bar.setBackgroundColor(rgb(64, 64, 64));
  bar.setShowBorder(false);
  bar.setShowPosText(false);
  ProgressBarWidget widget(bar, &panel);
  EXPECT_EQ(widget.geometry(), QRect(19, 8, 557, 6));
  bar.setPosition(5000);
  const QImage shot = widget.grab().toImage();
  ASSERT_EQ(shot.size(), QSize(557, 6));
  for (int y = 0; y < 6; ++y) {
    int filled = 0, empty = 0;
    for (int x = 0; x < shot.width(); ++x) {
      filled += shot.pixelColor(x, y) == QColor(128, 128, 128);
      empty += shot.pixelColor(x, y) == QColor(64, 64, 64);
    }
    EXPECT_EQ(filled, 278) << y;
    EXPECT_EQ(empty, 279) << y;
  }
  EXPECT_EQ(shot.pixelColor(277, 3), QColor(128, 128, 128));
  EXPECT_EQ(shot.pixelColor(278, 3), QColor(64, 64, 64));
}

TEST(ControlWidget, FollowsThePlaceVisibilityHintAndCursorOfItsControl) {
  qtApp();
  QWidget parent;
  parent.resize(400, 400);
  TMyImage image;
  ImageWidget widget(image, &parent);
  image.setBounds(10, 20, 12, 12);
  image.setHint("Drag the orange dot to sweep through the document ...");
  image.setCursor(TCursor::crSizeWE);
  EXPECT_EQ(widget.geometry(), QRect(10, 20, 12, 12));
  EXPECT_EQ(widget.toolTip(), "Drag the orange dot to sweep through the document ...");
  EXPECT_EQ(widget.cursor().shape(), Qt::SizeHorCursor);
  image.Hide();
  EXPECT_TRUE(widget.isHidden());
  image.Show();
  EXPECT_FALSE(widget.isHidden());
}

TEST(ImageWidget, PassesMouseEnterLeaveAndClicksToTheControl) {
  qtApp();
  QWidget parent;
  TMyImage image;
  image.setBounds(0, 0, 15, 16);
  std::vector<std::string> events;
  auto log = [&](const char* what, int x, int y) {
    events.push_back(what + std::to_string(x) + "," + std::to_string(y));
  };
  image.OnEndDock = [&](TMyImage&, const Control*, int x, int y) { log("enter ", x, y); };
  image.OnEndDrag = [&](TMyImage&, const Control*, int x, int y) { log("leave ", x, y); };
  image.OnClick = [&](TMyImage&) { events.push_back("click"); };
  ImageWidget widget(image, &parent);
  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(4, 4), QPointF(4, 4), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QEvent leave(QEvent::Leave);
  for (QEvent* event : std::vector<QEvent*>{&enter, &press, &release, &leave})
    QCoreApplication::sendEvent(&widget, event);
  EXPECT_EQ(events, (std::vector<std::string>{"enter -100,-100", "click", "leave -100,-100"}));
}

TEST(ImageWidget, ShowsTheEmbeddedPictureItNamesAndNothingForAnUnknownOne) {
  qtApp();
  QWidget parent;
  parent.resize(40, 40);
  parent.setStyleSheet("background: white");
  TMyImage image;
  image.setBounds(0, 0, 12, 12);
  image.setStretch(true);
  image.setPicture("orangedot");
  ImageWidget widget(image, &parent);
  const QColor centre = widget.grab().toImage().pixelColor(6, 6);
  EXPECT_GT(centre.red(), 200);
  EXPECT_GT(centre.red(), centre.blue() + 80); // orange, not grey
  image.setPicture("no such picture");
  EXPECT_NO_THROW(widget.grab());
}

TEST(StatusBarWidget, ChildWidgetsMoveOntoTheBar) {
  qtApp();
  QWidget window;
  window.resize(613, 696);
  TMyStatusBar bar;
  bar.setBounds(0, 676, 613, 20);
  StatusBarWidget barWidget(bar, &window);
  TMyImage icon;
  icon.setBounds(2, 2, 16, 16);
  ImageWidget iconWidget(icon, &window);
  barWidget.insertControl(iconWidget);
  EXPECT_EQ(iconWidget.parentWidget(), &barWidget);
  EXPECT_EQ(icon.Parent(), &bar);
  EXPECT_EQ(iconWidget.geometry(), QRect(2, 2, 16, 16));
  EXPECT_EQ(iconWidget.mapTo(&window, QPoint(0, 0)), QPoint(2, 678));
}

} // namespace
} // namespace controls
