#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>
#include <QMessageBox>
#include <QTimer>

#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/qt_text_measure.h"
#include "support/qt_app.h"

namespace platform {
namespace {

using testsupport::qtApp;

TEST(QtTextEdge, TextConvertsAtTheEdgeAndPointSizesAreTakenAt96DotsPerInch) {
  const std::string bytes("caf\xE9\0\x80\xFF", 7);
  EXPECT_EQ(toQString(bytes), QString::fromUtf16(u"caf\u00E9\0\u20AC\u00FF", 7));
  EXPECT_EQ(fromQString(toQString(bytes)), bytes);

  // Heights in pixels of the sizes the settings offer; at least 1.
  for (auto [points, pixels] : {std::pair{8, 11}, {9, 12}, {28, 37}, {0, 1}, {-4, 1}})
    EXPECT_EQ(pixelSizeForPoints(points), pixels) << points;
  FontSpec font{"DejaVu Sans", 12, true, true, false};
  const QFont qfont = toQFont(font);
  EXPECT_EQ(qfont.family(), "DejaVu Sans");
  EXPECT_EQ(qfont.pixelSize(), 16);
  EXPECT_TRUE(qfont.bold() && qfont.underline());
  EXPECT_EQ(qfont.styleStrategy() & QFont::NoAntialias, QFont::NoAntialias);
  font.antialias = true;
  EXPECT_EQ(toQFont(font).styleStrategy() & QFont::PreferAntialias, QFont::PreferAntialias);
}

TEST(QtTextMeasure, WidthGrowsWithTextAndSizeHeightIsTheLineHeight) {
  qtApp();
  const QtTextMeasure measure;
  const FontSpec font{"DejaVu Sans", 12, false, false, true};
  FontSpec big = font;
  big.pointSize = 48;
  EXPECT_EQ(measure.textWidth(font, ""), 0);
  const int one = measure.textWidth(font, "m");
  EXPECT_GT(one, 0);
  EXPECT_GT(measure.textWidth(font, "mm"), one);
  EXPECT_GT(measure.textWidth(big, "m"), one);
  EXPECT_EQ(measure.textWidth(font, "m"), one); // the cache of the last font must not answer
  // 0x97 is an em dash, wider than the control character U+0097 would be.
  EXPECT_GT(measure.textWidth(font, "\x97"), measure.textWidth(font, "."));
  EXPECT_GE(measure.textHeight(font, "x"), 16);
  EXPECT_EQ(measure.textHeight(font, ""), measure.textHeight(font, "x"));
  EXPECT_GE(measure.textHeight(big, "x"), 64);
}

struct QtCanvasTest : ::testing::Test {
  void SetUp() override {
    qtApp();
    image.fill(QColor(255, 255, 255));
  }
  // How many pixels of `color` lie inside / outside `area`.
  int countPixels(QColor color, const QRect& area, bool inside) const {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        count += area.contains(x, y) == inside && image.pixelColor(x, y) == color;
    return count;
  }
  QImage image{200, 100, QImage::Format_RGB32};
};

TEST_F(QtCanvasTest, FillsDrawsLinesAndTextExactly) {
  const FontSpec font{"DejaVu Sans", 20, true, false, false};
  int width = 0, height = 0;
  {
    QtCanvas canvas(image);
    canvas.fillRect({10, 20, 30, 40}, rgb(255, 0, 0));
    canvas.fillRect({100, 10, -5, 50}, rgb(0, 0, 255)); // inside out: nothing
    canvas.drawLine(10, 90, 110, 90, rgb(0, 0, 0), 1);
    width = canvas.measure().textWidth(font, "Wd\x80");
    height = canvas.measure().textHeight(font, "Wd\x80");
    canvas.drawText(60, 10, "Wd\x80", font, rgb(0, 128, 0));
  }
  EXPECT_EQ(countPixels(Qt::red, QRect(10, 20, 30, 40), true), 30 * 40);
  EXPECT_EQ(countPixels(Qt::red, QRect(10, 20, 30, 40), false), 0);
  EXPECT_EQ(countPixels(Qt::blue, image.rect(), true), 0);
  EXPECT_GE(countPixels(Qt::black, QRect(10, 90, 101, 1), true), 100);
  EXPECT_EQ(countPixels(Qt::black, QRect(10, 90, 101, 1), false), 0);
  // Text goes below and right of its point, on a transparent background.
  const QRect box(60, 10, width, height);
  ASSERT_LT(box.bottom(), 90);
  EXPECT_GT(countPixels(QColor(0, 128, 0), box, true), 20);
  EXPECT_EQ(countPixels(QColor(0, 128, 0), box, false), 0);
  EXPECT_GT(countPixels(Qt::white, box, true), width * height / 3);
}

TEST_F(QtCanvasTest, DrawsAnEmbeddedPictureDecodedOnceAndRefusesAnUnknownOne) {
  const std::string name = "divider";
  PictureCache cache;
  const QImage& picture = cache.picture(name);
  QImage expected = image;
  QPainter(&expected).drawImage(QPoint(5, 6), picture);
  {
    QtCanvas canvas(image, &cache);
    canvas.drawImage(5, 6, name);
    EXPECT_THROW(canvas.drawImage(0, 0, "no such picture"), ResourceError);
  }
  EXPECT_EQ(image, expected);
  EXPECT_EQ(&cache.picture(name), &picture) << "the cache decoded the picture again";
}

TEST(QtMessageBox, ShowsPlainTextUnderTheProgramsCaptionUntilOkIsPressed) {
  qtApp();
  QString caption, text;
  Qt::TextFormat format = Qt::AutoText;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    caption = box->windowTitle();
    text = box->text();
    format = box->textFormat();
    box->button(QMessageBox::Ok)->click();
  });
  QtMessageBoxes boxes;
  boxes.error("<b>caf\xE9</b> \x93quoted\x94");
  EXPECT_EQ(caption, "Lumetra");
  EXPECT_EQ(text, QString::fromUtf8("<b>café</b> “quoted”"));
  EXPECT_EQ(format, Qt::PlainText);
}

} // namespace
} // namespace platform
