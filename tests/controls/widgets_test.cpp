#include "controls/control_widgets.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

#include <cstdlib>
#include <string>
#include <vector>

#include "qt_app.h"

namespace controls {
namespace {

using platform::rgb;
using testing::qtApp;

int countInRow(const QImage& image, int y, QColor color) {
  int n = 0;
  for (int x = 0; x < image.width(); ++x)
    n += image.pixelColor(x, y) == color;
  return n;
}

// The banner progress bar as the reader window sets it up.
void bannerBar(TALProgressBar& bar) {
  bar.setBounds(19, 8, 557, 6);
  bar.setMax(10000);
  bar.setBarColorStyle(TBarColorStyle::cs1Color);
  bar.setBarColor1(rgb(128, 128, 128));
  bar.setBackgroundColor(rgb(64, 64, 64));
  bar.setShowBorder(false);
  bar.setShowPosText(false);
  bar.setPercentage(true);
}

TEST(ProgressBarWidget, TheBannerBarHalfWayShows278FilledPixels) {
  qtApp();
  QWidget panel;
  panel.resize(600, 25);
  TALProgressBar bar;
  bannerBar(bar);
  ProgressBarWidget widget(bar, &panel);
  EXPECT_EQ(widget.geometry(), QRect(19, 8, 557, 6));
  bar.setPosition(5000);
  const QImage shot = widget.grab().toImage();
  ASSERT_EQ(shot.size(), QSize(557, 6));
  for (int y = 0; y < 6; ++y) {
    EXPECT_EQ(countInRow(shot, y, QColor(128, 128, 128)), 278) << y;
    EXPECT_EQ(countInRow(shot, y, QColor(64, 64, 64)), 279) << y;
  }
  EXPECT_EQ(shot.pixelColor(277, 3), QColor(128, 128, 128));
  EXPECT_EQ(shot.pixelColor(278, 3), QColor(64, 64, 64));
}

TEST(ProgressBarWidget, AVerticalBarFillsFromTheTop) {
  qtApp();
  QWidget panel;
  panel.resize(16, 601);
  TALProgressBar bar;
  bannerBar(bar);
  bar.setBounds(5, 8, 6, 585);
  bar.setDirection(TProgressDirection::pdTopToBottom);
  bar.setPosition(10000);
  bar.setPosition(2500); // 146.25 pixels
  ProgressBarWidget widget(bar, &panel);
  const QImage shot = widget.grab().toImage();
  int filled = 0;
  for (int y = 0; y < shot.height(); ++y)
    filled += shot.pixelColor(3, y) == QColor(128, 128, 128);
  EXPECT_EQ(filled, 146);
  EXPECT_EQ(shot.pixelColor(3, 0), QColor(128, 128, 128));
  EXPECT_EQ(shot.pixelColor(3, 584), QColor(64, 64, 64));
}

TEST(ProgressBarWidget, AGradientBarShowsItsEndColoursAndText) {
  qtApp();
  QWidget parent;
  parent.resize(300, 40);
  TALProgressBar bar; // 200 x 20, three colours, frame and text
  bar.setPosition(100);
  ProgressBarWidget widget(bar, &parent);
  const QImage shot = widget.grab().toImage();
  // Inside the frame the bar starts next to green and ends next to red.
  auto near = [](QColor a, QColor b) {
    return std::abs(a.red() - b.red()) <= 4 && std::abs(a.green() - b.green()) <= 4 &&
           std::abs(a.blue() - b.blue()) <= 4;
  };
  EXPECT_TRUE(near(shot.pixelColor(1, 2), QColor(0, 128, 0)))
      << shot.pixelColor(1, 2).name().toStdString();
  EXPECT_TRUE(near(shot.pixelColor(198, 2), QColor(255, 0, 0)))
      << shot.pixelColor(198, 2).name().toStdString();
  EXPECT_EQ(shot.pixelColor(0, 10), QColor(160, 160, 160)); // frame, top left colour
  // "100" in black somewhere around the middle.
  int dark = 0;
  for (int y = 3; y < 17; ++y)
    for (int x = 80; x < 120; ++x)
      dark += qGray(shot.pixel(x, y)) < 60;
  EXPECT_GT(dark, 10);
}

TEST(ControlWidget, FollowsThePlaceVisibilityAndHintOfItsControl) {
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

TEST(ImageWidget, PassesMouseEnterAndLeaveToTheControl) {
  qtApp();
  QWidget parent;
  TMyImage image;
  image.setBounds(0, 0, 8, 10);
  std::vector<std::string> events;
  image.OnEndDock = [&](TMyImage&, const Control*, int x, int y) {
    events.push_back("enter " + std::to_string(x) + "," + std::to_string(y));
  };
  image.OnEndDrag = [&](TMyImage&, const Control*, int x, int y) {
    events.push_back("leave " + std::to_string(x) + "," + std::to_string(y));
  };
  ImageWidget widget(image, &parent);
  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
  QCoreApplication::sendEvent(&widget, &enter);
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(&widget, &leave);
  EXPECT_EQ(events, (std::vector<std::string>{"enter -100,-100", "leave -100,-100"}));
}

TEST(ImageWidget, AClickOnTheWidgetIsAClickOnTheControl) {
  qtApp();
  QWidget parent;
  TMyImage image;
  image.setBounds(0, 0, 15, 16);
  int clicks = 0;
  image.OnClick = [&](TMyImage&) { ++clicks; };
  ImageWidget widget(image, &parent);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(4, 4), QPointF(4, 4), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&widget, &press);
  QCoreApplication::sendEvent(&widget, &release);
  EXPECT_EQ(clicks, 1);
}

TEST(ImageWidget, ShowsTheEmbeddedPictureItNames) {
  qtApp();
  QWidget parent;
  parent.resize(40, 40);
  parent.setStyleSheet("background: white");
  TMyImage image;
  image.setBounds(0, 0, 12, 12);
  image.setStretch(true);
  image.setPicture("orangedot");
  ImageWidget widget(image, &parent);
  const QImage shot = widget.grab().toImage();
  const QColor centre = shot.pixelColor(6, 6);
  EXPECT_GT(centre.red(), 200);
  EXPECT_GT(centre.red(), centre.blue() + 80); // orange, not grey
}

TEST(ImageWidget, AnUnknownPictureShowsNothingAndDoesNotFail) {
  qtApp();
  QWidget parent;
  TMyImage image;
  image.setBounds(0, 0, 12, 12);
  image.setPicture("no such picture");
  ImageWidget widget(image, &parent);
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

TEST(StatusBarWidget, PaintsPanelTexts) {
  qtApp();
  QWidget window;
  window.resize(300, 40);
  TMyStatusBar bar;
  bar.setBounds(0, 0, 300, 20);
  bar.addPanel({"", 100});
  bar.addPanel({"", 100});
  StatusBarWidget barWidget(bar, &window);
  const QImage empty = barWidget.grab().toImage();
  bar.setPanelText(0, "Heading detected");
  const QImage written = barWidget.grab().toImage();
  int changed = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 100; ++x)
      changed += empty.pixel(x, y) != written.pixel(x, y);
  EXPECT_GT(changed, 20);
}

} // namespace
} // namespace controls
