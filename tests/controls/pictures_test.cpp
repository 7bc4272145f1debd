// Every picture the windows name is embedded at its size and decodes; a
// picture missing from the resources fails here rather than on screen.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>

#include <string>

#include "qt_app.h"

namespace controls {
namespace {

using testing::qtApp;

struct Expected {
  const char* name;
  int width, height;
};

const Expected kJpegPictures[] = {
    {"column", 57, 57},         {"column_selected", 57, 57},
    {"double", 57, 57},         {"double_selected", 57, 57},
    {"banner", 57, 57},         {"banner_selected", 57, 57},
    {"sentence", 57, 57},       {"sentence_selected", 57, 57},
    {"autoskim_on", 61, 57},    {"autoskim_off", 61, 57},
    {"full_screen", 61, 57},    {"divider", 9, 58},
    {"cancelfull", 164, 32},    {"opt_general", 96, 96},
    {"opt_text_rules", 96, 96}, {"opt_autoskim", 96, 96},
    {"welcome1", 500, 282},     {"welcome2", 500, 282},
};

const Expected kBitmaps[] = {
    {"findNext", 18, 18},        {"findGo", 18, 18},
    {"findClose", 18, 18},       {"Borderlogo", 16, 16},
    {"dotonwhite", 12, 12},      {"dotonwhitemo", 12, 12},
    {"dotonblack", 12, 12},      {"dotonblackmo", 12, 12},
    {"dotongrey", 12, 12},       {"dotongreymo", 12, 12},
    {"orangedot", 12, 12},       {"orangedotmo", 12, 12},
    {"arrowkey", 147, 54},       {"lumetra_in_about_box", 200, 80},
    {"MAINICON", 64, 64},        {"GoToStartB", 8, 10},
    {"GoToEndB", 8, 10},         {"GoToStartC", 10, 8},
    {"GoToEndC", 10, 8},         {"HighLight", 15, 16},
    {"state_unchecked", 16, 16}, {"state_checked", 16, 16},
};

QImage bitmapResource(const char* name) {
  QImage image(QString(":/BMP/%1.png").arg(name));
  if (image.isNull()) image = QImage(QString(":/BMP/%1.bmp").arg(name));
  return image;
}

TEST(Pictures, EveryJpegPictureIsEmbeddedAtItsSize) {
  qtApp();
  for (const Expected& e : kJpegPictures) {
    const QImage image(QString(":/JPG/%1.jpg").arg(e.name));
    ASSERT_FALSE(image.isNull()) << e.name << " is missing or does not decode";
    EXPECT_EQ(image.size(), QSize(e.width, e.height)) << e.name;
  }
}

TEST(Pictures, EveryBitmapIsEmbeddedAtItsSize) {
  qtApp();
  for (const Expected& e : kBitmaps) {
    const QImage image = bitmapResource(e.name);
    ASSERT_FALSE(image.isNull()) << e.name << " is missing or does not decode";
    EXPECT_EQ(image.size(), QSize(e.width, e.height)) << e.name;
  }
}

TEST(Pictures, PicturesAreNotBlank) {
  qtApp();
  auto distinctColours = [](const QImage& image) {
    QList<QRgb> seen;
    for (int y = 0; y < image.height() && seen.size() < 3; ++y)
      for (int x = 0; x < image.width() && seen.size() < 3; ++x)
        if (!seen.contains(image.pixel(x, y))) seen.append(image.pixel(x, y));
    return seen.size();
  };
  for (const Expected& e : kJpegPictures) {
    EXPECT_GE(distinctColours(QImage(QString(":/JPG/%1.jpg").arg(e.name))), 3) << e.name;
  }
  for (const Expected& e : kBitmaps) {
    EXPECT_GE(distinctColours(bitmapResource(e.name)), 3) << e.name;
  }
}

// The QuickLaunch button takes its shape from its key colour: the top left
// pixel is the key, and no pixel of the button itself comes within the
// tolerance of one step per channel above the key.
TEST(Pictures, TheQuickLaunchButtonHasAKeyColourOutsideItsShape) {
  qtApp();
  const QImage ql(":/BMP/QL.bmp");
  ASSERT_FALSE(ql.isNull());
  ASSERT_EQ(ql.size(), QSize(102, 17));
  const QColor key(255, 0, 193);
  EXPECT_EQ(ql.pixelColor(0, 0), key);
  EXPECT_EQ(ql.pixelColor(101, 0), key);
  EXPECT_EQ(ql.pixelColor(0, 16), key);
  EXPECT_EQ(ql.pixelColor(101, 16), key);
  int shape = 0;
  for (int y = 0; y < ql.height(); ++y) {
    for (int x = 0; x < ql.width(); ++x) {
      const QColor c = ql.pixelColor(x, y);
      if (c == key) continue;
      ++shape;
      const bool nearKey = c.red() == 255 && c.green() <= 1 && c.blue() >= 193 && c.blue() <= 194;
      EXPECT_FALSE(nearKey) << x << "," << y;
    }
  }
  EXPECT_GT(shape, 102 * 17 * 3 / 4);
  EXPECT_NE(ql.pixelColor(51, 8), key);
}

TEST(Pictures, DotsAreTransparentAroundTheirDisc) {
  qtApp();
  for (const char* name : {"dotonwhite", "dotonblack", "dotongrey", "orangedot"}) {
    const QImage dot = bitmapResource(name);
    ASSERT_TRUE(dot.hasAlphaChannel()) << name;
    EXPECT_EQ(qAlpha(dot.pixel(0, 0)), 0) << name;
    EXPECT_EQ(qAlpha(dot.pixel(6, 6)), 255) << name;
    // The mouse-over form differs from the plain one.
    const QImage hover = bitmapResource((std::string(name) + "mo").c_str());
    EXPECT_NE(dot, hover) << name;
  }
}

} // namespace
} // namespace controls
