#include "platform/qt/pictures.h"

#include <gtest/gtest.h>

#include <QDir>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include "qt_app.h"

namespace platform {
namespace {

using testing::qtApp;

// Encodes an image of four coloured quarters with libjpeg at full quality.
std::string encodeQuarters(int width, int height) {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 100, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool right = x >= width / 2, bottom = y >= height / 2;
      row[x * 3 + 0] = right ? 0 : 255;  // red on the left
      row[x * 3 + 1] = bottom ? 255 : 0; // green below
      row[x * 3 + 2] = 0;
    }
    JSAMPROW pointer = row.data();
    jpeg_write_scanlines(&info, &pointer, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string bytes(reinterpret_cast<char*>(buffer), size);
  std::free(buffer);
  return bytes;
}

bool near(QColor actual, QColor expected) {
  return std::abs(actual.red() - expected.red()) <= 8 &&
         std::abs(actual.green() - expected.green()) <= 8 &&
         std::abs(actual.blue() - expected.blue()) <= 8;
}

std::string messageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const ResourceError& error) {
    return error.what();
  }
  ADD_FAILURE() << "no ResourceError thrown";
  return {};
}

TEST(DecodeJpeg, DecodesSizeAndColours) {
  const QImage image = decodeJpeg(encodeQuarters(64, 32));
  ASSERT_EQ(image.size(), QSize(64, 32));
  EXPECT_TRUE(near(image.pixelColor(8, 8), QColor(255, 0, 0)));
  EXPECT_TRUE(near(image.pixelColor(56, 8), QColor(0, 0, 0)));
  EXPECT_TRUE(near(image.pixelColor(8, 24), QColor(255, 255, 0)));
  EXPECT_TRUE(near(image.pixelColor(56, 24), QColor(0, 255, 0)));
}

TEST(DecodeJpeg, CorruptDataIsAClearError) {
  const std::string good = encodeQuarters(64, 32);
  std::string hugeHeader = good;
  // The frame header gives the height and width after its marker, length and precision.
  const std::size_t frame = hugeHeader.find("\xFF\xC0");
  ASSERT_NE(frame, std::string::npos);
  hugeHeader.replace(frame + 5, 4, "\xFF\xF0\xFF\xF0");
  std::string scrambled = good;
  for (std::size_t i = scrambled.size() / 2; i < scrambled.size() - 2; ++i)
    scrambled[i] = '\xFF';
  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case cases[] = {
      {"no bytes", ""},
      {"not a JPEG", "GIF89a and some more bytes that are not a picture"},
      {"only the start marker", "\xFF\xD8"},
      {"cut off half-way", good.substr(0, good.size() / 2)},
      {"cut off in the header", good.substr(0, 40)},
      {"too large", hugeHeader},
      {"scrambled data", scrambled},
  };
  for (const Case& c : cases) {
    const std::string message = messageOf([&] { decodeJpeg(c.bytes); });
    EXPECT_NE(message.find("JPEG"), std::string::npos) << c.what << ": " << message;
  }
}

TEST(JpegResource, UnknownNameIsAClearError) {
  qtApp();
  const std::string message = messageOf([] { loadJpegResource("no-such-picture"); });
  EXPECT_NE(message.find("\"no-such-picture\""), std::string::npos) << message;
  EXPECT_FALSE(hasJpegResource("no-such-picture"));
  EXPECT_THROW(loadBitmapResource("no-such-picture"), ResourceError);
  EXPECT_THROW(loadPictureResource("no-such-picture"), ResourceError);
}

TEST(JpegResource, EveryEmbeddedJpegDecodes) {
  qtApp();
  const QStringList names = QDir(":/JPG").entryList({"*.jpg"});
  if (names.isEmpty()) GTEST_SKIP() << "no JPEG picture is embedded yet";
  for (const QString& file : names) {
    const std::string name = file.chopped(4).toStdString();
    EXPECT_TRUE(hasJpegResource(name)) << name;
    const QImage image = loadJpegResource(name);
    EXPECT_FALSE(image.isNull()) << name;
    EXPECT_GT(image.width(), 0) << name;
    // The program's own decoder agrees with Qt's on the size.
    EXPECT_EQ(image.size(), QImage(":/JPG/" + file).size()) << name;
  }
}

TEST(BitmapResource, EveryEmbeddedBitmapLoads) {
  qtApp();
  const QStringList names = QDir(":/BMP").entryList({"*.bmp", "*.png"});
  if (names.isEmpty()) GTEST_SKIP() << "no bitmap is embedded yet";
  for (const QString& file : names) {
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
