// Every picture the windows name is embedded at its size and decodes; a
// picture missing from the resources fails here rather than on screen.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>

#include <string>

#include "platform/qt/pictures.h"
#include "support/qt_app.h"

namespace platform {
namespace {

using testsupport::qtApp;

// Pictures of one size, by name: JPEG pictures, or bitmaps (PNG or BMP).
struct Expected {
  bool jpeg;
  int width, height;
  const char* names;
};

const Expected kPictures[] = {
    {true, 57, 57, "column column_selected double double_selected banner banner_selected"},
    {true, 57, 57, "sentence sentence_selected"},
    {true, 61, 57, "autoskim_on autoskim_off full_screen"},
    {true, 9, 58, "divider"},
    {true, 164, 32, "cancelfull"},
    {true, 96, 96, "opt_general opt_text_rules opt_autoskim"},
    {true, 500, 282, "welcome1 welcome2"},
    {false, 18, 18, "findNext findGo findClose"},
    {false, 16, 16, "Borderlogo state_unchecked state_checked"},
    {false, 12, 12, "dotonwhite dotonwhitemo dotonblack dotonblackmo dotongrey dotongreymo"},
    {false, 12, 12, "orangedot orangedotmo"},
    {false, 147, 54, "arrowkey"},
    {false, 200, 80, "lumetra_in_about_box"},
    {false, 64, 64, "MAINICON"},
    {false, 8, 10, "GoToStartB GoToEndB"},
    {false, 10, 8, "GoToStartC GoToEndC"},
    {false, 15, 16, "HighLight"},
};

// Every picture decodes at its size and is not blank (at least three colours).
TEST(Pictures, EveryPictureIsEmbeddedAtItsSizeAndIsNotBlank) {
  qtApp();
  for (const Expected& e : kPictures) {
    for (const QString& name : QString(e.names).split(' ')) {
      const std::string shown = name.toStdString();
      const QImage image =
          e.jpeg ? platform::loadJpegResource(shown) : platform::loadBitmapResource(shown);
      ASSERT_FALSE(image.isNull()) << shown << " is missing or does not decode";
      EXPECT_EQ(image.size(), QSize(e.width, e.height)) << shown;
      QList<QRgb> seen;
      for (int y = 0; y < image.height() && seen.size() < 3; ++y)
        for (int x = 0; x < image.width() && seen.size() < 3; ++x)
          if (!seen.contains(image.pixel(x, y))) seen.append(image.pixel(x, y));
      EXPECT_GE(seen.size(), 3) << shown;
    }
  }
}

// The QuickLaunch button takes its shape from its key colour: the corners are
// the key, and no pixel of the button itself comes within the tolerance of one
// step per channel above the key.
TEST(Pictures, TheQuickLaunchButtonHasAKeyColourOutsideItsShape) {
  qtApp();
  const QImage ql = platform::loadBitmapResource("QL");
  ASSERT_FALSE(ql.isNull());
  ASSERT_EQ(ql.size(), QSize(102, 17));
  const QColor key(255, 0, 193);
  for (QPoint corner : {QPoint(0, 0), QPoint(101, 0), QPoint(0, 16), QPoint(101, 16)})
    EXPECT_EQ(ql.pixelColor(corner), key);
  EXPECT_NE(ql.pixelColor(51, 8), key);
  int shape = 0;
  for (int y = 0; y < ql.height(); ++y) {
    for (int x = 0; x < ql.width(); ++x) {
      const QColor c = ql.pixelColor(x, y);
      if (c == key) continue;
      ++shape;
      EXPECT_FALSE(c.red() == 255 && c.green() <= 1 && c.blue() >= 193 && c.blue() <= 194)
          << x << "," << y;
    }
  }
  EXPECT_GT(shape, 102 * 17 * 3 / 4);
}

TEST(Pictures, DotsAreTransparentAroundTheirDiscAndDifferWhenHovered) {
  qtApp();
  for (const char* name : {"dotonwhite", "dotonblack", "dotongrey", "orangedot"}) {
    const QImage dot = platform::loadBitmapResource(name);
    ASSERT_TRUE(dot.hasAlphaChannel()) << name;
    EXPECT_EQ(qAlpha(dot.pixel(0, 0)), 0) << name;
    EXPECT_EQ(qAlpha(dot.pixel(6, 6)), 255) << name;
    EXPECT_NE(dot, platform::loadBitmapResource(std::string(name) + "mo")) << name;
  }
}

} // namespace
} // namespace platform
