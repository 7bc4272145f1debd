#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "platform/qt/qt_desktop.h"
#include "platform/recording_canvas.h"
#include "qt_app.h"

namespace platform {
namespace {

TEST(QtDesktop, WorkAreaIsThePrimaryScreensAvailableArea) {
  testing::qtApp();
  const Rect area = QtDesktop().workArea();
  EXPECT_GT(area.width, 0);
  EXPECT_GT(area.height, 0);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_LE(area.right(), screen.x() + screen.width());
  EXPECT_LE(area.bottom(), screen.y() + screen.height());
}

TEST(FixedDesktop, ReportsTheAreaItWasGiven) {
  FixedDesktop desktop({0, 30, 1280, 994});
  EXPECT_EQ(desktop.workArea(), (Rect{0, 30, 1280, 994}));
  desktop.setWorkArea({1, 2, 3, 4});
  EXPECT_EQ(desktop.workArea().bottom(), 6);
}

TEST(FixedWidthMeasure, EveryCharacterHasTheSameWidth) {
  const FixedWidthMeasure measure(7, 13);
  const FontSpec big{"Arial", 48, true, true, false};
  EXPECT_EQ(measure.textWidth(FontSpec{}, "abc"), 21);
  EXPECT_EQ(measure.textWidth(big, "abc"), 21);
  EXPECT_EQ(measure.textWidth(FontSpec{}, "a\rb"), 21);
  EXPECT_EQ(measure.textWidth(FontSpec{}, ""), 0);
  EXPECT_EQ(measure.textHeight(big, ""), 13);
}

TEST(RecordingCanvas, KeepsEveryCallInOrder) {
  RecordingCanvas canvas;
  const FontSpec font{"Comic Sans MS", 16, true, false, true};
  canvas.fillRect({1, 2, 3, 4}, rgb(9, 8, 7));
  canvas.drawText(5, 6, "caf\xE9", font, rgb(1, 1, 1));
  canvas.drawLine(0, 1, 10, 11, rgb(2, 2, 2), 3);
  canvas.drawImage(20, 21, "divider");
  canvas.drawText(7, 8, "two", font, rgb(1, 1, 1));

  const auto& ops = canvas.ops();
  ASSERT_EQ(ops.size(), 5u);
  EXPECT_EQ(ops[0].kind, DrawOp::Kind::FillRect);
  EXPECT_EQ(ops[0].rect, (Rect{1, 2, 3, 4}));
  EXPECT_EQ(ops[0].color, rgb(9, 8, 7));
  EXPECT_EQ(ops[1].kind, DrawOp::Kind::Text);
  EXPECT_EQ(ops[1].text, "caf\xE9");
  EXPECT_EQ(ops[1].font, font);
  EXPECT_EQ(ops[2].kind, DrawOp::Kind::Line);
  EXPECT_EQ((std::array{ops[2].x, ops[2].y, ops[2].x2, ops[2].y2, ops[2].penWidth}),
            (std::array{0, 1, 10, 11, 3}));
  EXPECT_EQ(ops[3].kind, DrawOp::Kind::Image);
  EXPECT_EQ(ops[3].text, "divider");
  EXPECT_EQ(canvas.texts(), (std::vector<std::string>{"caf\xE9", "two"}));
  EXPECT_EQ(canvas.opsOfKind(DrawOp::Kind::Line).size(), 1u);
  canvas.clear();
  EXPECT_TRUE(canvas.ops().empty());
}

TEST(RecordingCanvas, MeasuresWithItsOwnOrTheGivenMeasure) {
  RecordingCanvas own;
  EXPECT_EQ(own.measure().textWidth(FontSpec{}, "abcd"), 40);
  EXPECT_EQ(own.measure().textHeight(FontSpec{}, "abcd"), 20);
  const FixedWidthMeasure narrow(3, 5);
  RecordingCanvas given(narrow);
  EXPECT_EQ(given.measure().textWidth(FontSpec{}, "abcd"), 12);
}

} // namespace
} // namespace platform
