#include "platform/qt/pictures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <cstdlib>

#include "support/qt_app.h"

namespace platform {
namespace {

using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

TEST(JpegResource, EveryEmbeddedJpegDecodesAsQtDecodesIt) {
  testsupport::qtApp();
  const QStringList files = QDir(":/JPG").entryList({"*.jpg"});
  ASSERT_FALSE(files.isEmpty());
  for (const QString& file : files) {
    const std::string name = file.chopped(4).toStdString();
    EXPECT_TRUE(hasJpegResource(name)) << name;
    const QImage image = loadJpegResource(name);
    const QImage reference = QImage(":/JPG/" + file);
    ASSERT_FALSE(image.isNull()) << name;
    ASSERT_EQ(image.size(), reference.size()) << name;
    int worst = 0; // the largest difference in any colour channel
    for (int y = 0; y < image.height(); y += 3)
      for (int x = 0; x < image.width(); x += 3) {
        const QColor a = image.pixelColor(x, y), b = reference.pixelColor(x, y);
        worst = std::max({worst, std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                          std::abs(a.blue() - b.blue())});
      }
    EXPECT_LE(worst, 8) << name;
  }
}

TEST(DecodeJpeg, CorruptDataIsAClearError) {
  testsupport::qtApp();
  const auto bytesOf = [](const char* path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    return file.readAll().toStdString();
  };
  // A small picture whose tables take more than its first half, and a large one.
  const std::string good = bytesOf(":/JPG/divider.jpg"), large = bytesOf(":/JPG/welcome1.jpg");
  std::string hugeHeader = good;
  // The frame header gives the height and width after its marker, length and precision.
  const std::size_t frame = hugeHeader.find("\xFF\xC0");
  ASSERT_NE(frame, std::string::npos);
  hugeHeader.replace(frame + 5, 4, "\xFF\xF0\xFF\xF0");
  std::string scrambled = good;
  for (std::size_t i = scrambled.size() / 2; i < scrambled.size() - 2; ++i)
    scrambled[i] = '\xFF';
  const std::pair<const char*, std::string> cases[] = {
      {"no bytes", ""},
      {"not a JPEG", "GIF89a and some more bytes that are not a picture"},
      {"only the start marker", "\xFF\xD8"},
      {"cut off half-way", good.substr(0, good.size() / 2)},
      {"cut off in the picture data", large.substr(0, large.size() / 2)},
      {"cut off in the header", good.substr(0, 40)},
      {"too large", hugeHeader},
      {"scrambled data", scrambled},
  };
  for (const auto& [what, bytes] : cases) {
    EXPECT_THAT([&] { decodeJpeg(bytes); }, ThrowsMessage<ResourceError>(HasSubstr("JPEG")))
        << what;
  }
}

TEST(PictureResource, UnknownNameIsAClearErrorAndEveryBitmapLoads) {
  testsupport::qtApp();
  EXPECT_THAT([] { loadJpegResource("no-such-picture"); },
              ThrowsMessage<ResourceError>(HasSubstr("\"no-such-picture\"")));
  EXPECT_FALSE(hasJpegResource("no-such-picture"));
  EXPECT_THROW(loadBitmapResource("no-such-picture"), ResourceError);
  EXPECT_THROW(loadPictureResource("no-such-picture"), ResourceError);
  const QStringList files = QDir(":/BMP").entryList({"*.bmp", "*.png"});
  ASSERT_FALSE(files.isEmpty());
  for (const QString& file : files) {
    const std::string name = file.chopped(4).toStdString();
    EXPECT_TRUE(hasBitmapResource(name)) << name;
    EXPECT_FALSE(loadBitmapResource(name).isNull()) << name;
    if (!hasJpegResource(name)) {
      EXPECT_FALSE(loadPictureResource(name).isNull()) << name;
    }
  }
}

} // namespace
} // namespace platform
