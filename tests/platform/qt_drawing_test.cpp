#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QWidget>

#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/qt_text_measure.h"
#include "qt_app.h"

namespace platform {
namespace {

using testing::qtApp;

TEST(QtTextEdge, AllBytesRoundTripThroughQString) {
  std::string bytes;
  for (int b = 0; b < 256; ++b)
    bytes.push_back(static_cast<char>(b));
  const QString text = toQString(bytes);
  ASSERT_EQ(text.size(), 256);
  EXPECT_EQ(text.at(0x80), QChar(0x20AC));
  EXPECT_EQ(text.at(0xE9), QChar(0xE9));
  EXPECT_EQ(fromQString(text), bytes);
}

TEST(QtTextEdge, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(fromQString(QString::fromUtf8("Ω–x😀")), "?\x96x?");
}

TEST(QtTextEdge, PointSizesAreTakenAt96DotsPerInch) {
  // The font sizes the settings offer, and their heights in pixels.
  const std::pair<int, int> cases[] = {{8, 11},  {9, 12},  {10, 13}, {11, 15}, {12, 16},
                                       {14, 19}, {16, 21}, {18, 24}, {20, 27}, {22, 29},
                                       {24, 32}, {28, 37}, {36, 48}, {48, 64}};
  for (auto [points, pixels] : cases)
    EXPECT_EQ(pixelSizeForPoints(points), pixels) << points;
  EXPECT_EQ(pixelSizeForPoints(0), 1);
  EXPECT_EQ(pixelSizeForPoints(-4), 1);
}

TEST(QtTextEdge, FontSpecBecomesQFont) {
  FontSpec spec{"DejaVu Sans", 12, true, true, false};
  const QFont font = toQFont(spec);
  EXPECT_EQ(font.family(), "DejaVu Sans");
  EXPECT_EQ(font.pixelSize(), 16);
  EXPECT_TRUE(font.bold());
  EXPECT_TRUE(font.underline());
  EXPECT_EQ(font.styleStrategy() & QFont::NoAntialias, QFont::NoAntialias);
  spec.antialias = true;
  EXPECT_EQ(toQFont(spec).styleStrategy() & QFont::PreferAntialias, QFont::PreferAntialias);
}

class QtMeasureTest : public ::testing::Test {
protected:
  void SetUp() override { qtApp(); }
  QtTextMeasure measure;
  FontSpec font{"DejaVu Sans", 12, false, false, true};
};

TEST_F(QtMeasureTest, WidthGrowsWithTextSizeAndWeight) {
  EXPECT_EQ(measure.textWidth(font, ""), 0);
  const int one = measure.textWidth(font, "m");
  EXPECT_GT(one, 0);
  EXPECT_GT(measure.textWidth(font, "mm"), one);
  FontSpec big = font;
  big.pointSize = 24;
  EXPECT_GT(measure.textWidth(big, "m"), one);
  FontSpec bold = font;
  bold.bold = true;
  EXPECT_GE(measure.textWidth(bold, "mmmm"), measure.textWidth(font, "mmmm"));
  // The cache of the last font must not answer for another font.
  EXPECT_EQ(measure.textWidth(font, "m"), one);
}

TEST_F(QtMeasureTest, HighCodePageCharactersAreMeasuredAsTheirUnicode) {
  // 0x97 is an em dash, wider than the control character U+0097 would be.
  EXPECT_GT(measure.textWidth(font, "\x97"), measure.textWidth(font, "."));
}

TEST_F(QtMeasureTest, HeightIsTheLineHeightOfTheFont) {
  const int height = measure.textHeight(font, "x");
  EXPECT_GE(height, 16);
  EXPECT_EQ(measure.textHeight(font, ""), height);
  FontSpec big = font;
  big.pointSize = 48;
  EXPECT_GE(measure.textHeight(big, "x"), 64);
}

class QtCanvasTest : public ::testing::Test {
protected:
  void SetUp() override {
    qtApp();
    image = QImage(200, 100, QImage::Format_RGB32);
    image.fill(QColor(255, 255, 255));
  }

  // Whether a pixel of `color` lies inside / outside `area`.
  int countPixels(QColor color, const QRect& area, bool inside) const {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (area.contains(x, y) == inside && image.pixelColor(x, y) == color) ++count;
    return count;
  }

  QImage image;
};

TEST_F(QtCanvasTest, FillsRectanglesExactly) {
  {
    QtCanvas canvas(image);
    canvas.fillRect({10, 20, 30, 40}, rgb(255, 0, 0));
    canvas.fillRect({100, 10, 0, 50}, rgb(0, 0, 255));  // empty: nothing
    canvas.fillRect({100, 10, -5, 50}, rgb(0, 0, 255)); // inside out: nothing
  }
  EXPECT_EQ(countPixels(Qt::red, QRect(10, 20, 30, 40), true), 30 * 40);
  EXPECT_EQ(countPixels(Qt::red, QRect(10, 20, 30, 40), false), 0);
  EXPECT_EQ(countPixels(Qt::blue, image.rect(), true), 0);
}

TEST_F(QtCanvasTest, DrawsTextBelowAndRightOfItsPointOnATransparentBackground) {
  const FontSpec font{"DejaVu Sans", 20, true, false, false};
  int width = 0, height = 0;
  {
    QtCanvas canvas(image);
    width = canvas.measure().textWidth(font, "Wd\x80");
    height = canvas.measure().textHeight(font, "Wd\x80");
    canvas.drawText(30, 40, "Wd\x80", font, rgb(0, 128, 0));
  }
  const QRect box(30, 40, width, height);
  EXPECT_GT(countPixels(QColor(0, 128, 0), box, true), 20);
  EXPECT_EQ(countPixels(QColor(0, 128, 0), box, false), 0);
  // Between the letters the white background shows: no box was painted.
  EXPECT_GT(countPixels(Qt::white, box, true), width * height / 3);
}

// A widget that paints through the canvas, as the program's windows do.
class PaintedWidget : public QWidget {
protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    QtCanvas canvas(painter);
    canvas.fillRect({0, 0, width(), height()}, rgb(255, 255, 255));
    canvas.fillRect({5, 5, 10, 10}, rgb(0, 0, 255));
  }
};

TEST_F(QtCanvasTest, PaintsOnAWidget) {
  PaintedWidget widget;
  widget.resize(40, 30);
  const QImage shot = widget.grab().toImage();
  ASSERT_EQ(shot.size(), QSize(40, 30));
  EXPECT_EQ(shot.pixelColor(5, 5), QColor(Qt::blue));
  EXPECT_EQ(shot.pixelColor(14, 14), QColor(Qt::blue));
  EXPECT_EQ(shot.pixelColor(15, 15), QColor(Qt::white));
}

TEST_F(QtCanvasTest, DrawsLines) {
  {
    QtCanvas canvas(image);
    canvas.drawLine(10, 50, 110, 50, rgb(0, 0, 0), 1);
  }
  EXPECT_GE(countPixels(Qt::black, QRect(10, 50, 101, 1), true), 100);
  EXPECT_EQ(countPixels(Qt::black, QRect(10, 50, 101, 1), false), 0);
}

TEST_F(QtCanvasTest, DrawingAnUnknownPictureIsAResourceError) {
  QtCanvas canvas(image);
  EXPECT_THROW(canvas.drawImage(0, 0, "no such picture"), ResourceError);
}

TEST_F(QtCanvasTest, DrawsAnEmbeddedPicture) {
  const QStringList names = QDir(":/JPG").entryList({"*.jpg"});
  if (names.isEmpty()) GTEST_SKIP() << "no JPEG picture is embedded yet";
  const std::string name = names.first().chopped(4).toStdString();
  PictureCache cache;
  const QImage& picture = cache.picture(name);
  QImage expected(200, 100, QImage::Format_RGB32);
  expected.fill(Qt::white);
  {
    QPainter painter(&expected);
    painter.drawImage(QPoint(5, 6), picture);
  }
  {
    QtCanvas canvas(image, &cache);
    canvas.drawImage(5, 6, name);
  }
  EXPECT_EQ(image, expected);
  EXPECT_EQ(&cache.picture(name), &picture) << "the cache decoded the picture again";
}

} // namespace
} // namespace platform
