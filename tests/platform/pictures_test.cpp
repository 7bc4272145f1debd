// Every picture the windows name is embedded and decodes (here, not on screen).
#include "platform/qt/pictures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFile>
#include <cstdlib>

#include "support/qt_app.h"

namespace platform {
namespace {

using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

// Every picture the windows name, JPEG pictures first, then bitmaps (PNG or BMP).
const QString JpegNames = "column column_selected double double_selected banner banner_selected "
                          "sentence sentence_selected autoskim_on autoskim_off full_screen divider "
                          "cancelfull opt_general opt_text_rules opt_autoskim welcome1 welcome2";
const QString BitmapNames =
    "findNext findGo findClose Borderlogo state_unchecked state_checked dotonwhite dotonwhitemo "
    "dotonblack dotonblackmo dotongrey dotongreymo orangedot orangedotmo arrowkey "
    "lumetra_in_about_box MAINICON GoToStartB GoToEndB GoToStartC GoToEndC HighLight QL";

// Not blank (three colours or more); our JPEG decoder agrees with Qt's.
TEST(Pictures, EveryPictureIsEmbeddedAndDecodes) {
  testsupport::qtApp();
  for (const bool jpeg : {true, false}) {
    for (const QString& name : (jpeg ? JpegNames : BitmapNames).split(' ')) {
      const std::string shown = name.toStdString();
      const QImage image = jpeg ? loadJpegResource(shown) : loadBitmapResource(shown);
      ASSERT_FALSE(image.isNull()) << shown << " is missing or does not decode";
      QList<QRgb> seen;
      for (int y = 0; y < image.height() && seen.size() < 3; ++y)
        for (int x = 0; x < image.width() && seen.size() < 3; ++x)
          if (!seen.contains(image.pixel(x, y))) seen.append(image.pixel(x, y));
      EXPECT_GE(seen.size(), 3) << shown;
      if (!jpeg) continue;
      const QImage reference(":/JPG/" + name + ".jpg");
      ASSERT_EQ(image.size(), reference.size()) << shown;
      int worst = 0; // the largest difference in any colour channel
      for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3) {
          const QColor a = image.pixelColor(x, y), b = reference.pixelColor(x, y);
          worst = std::max({worst, std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                            std::abs(a.blue() - b.blue())});
        }
      EXPECT_LE(worst, 8) << shown;
    }
  }
}

TEST(Pictures, CorruptDataAndUnknownNamesAreClearErrors) {
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
      {"cut off half-way", good.substr(0, good.size() / 2)},
      {"cut off in the picture data", large.substr(0, large.size() / 2)},
      {"too large", hugeHeader},
      {"scrambled data", scrambled},
  };
  for (const auto& [what, bytes] : cases) {
    EXPECT_THAT([&] { decodeJpeg(bytes); }, ThrowsMessage<ResourceError>(HasSubstr("JPEG")))
        << what;
  }
  EXPECT_THAT([] { loadJpegResource("no-such-picture"); },
              ThrowsMessage<ResourceError>(HasSubstr("\"no-such-picture\"")));
  EXPECT_THROW(loadBitmapResource("no-such-picture"), ResourceError);
  EXPECT_THROW(loadPictureResource("no-such-picture"), ResourceError);
}

TEST(Pictures, DotsAreTransparentAroundTheirDiscAndDifferWhenHovered) {
  testsupport::qtApp();
  for (const char* name : {"dotonwhite", "dotonblack", "dotongrey", "orangedot"}) {
    const QImage dot = loadBitmapResource(name);
    EXPECT_EQ(qAlpha(dot.pixel(0, 0)), 0) << name;
    EXPECT_EQ(qAlpha(dot.pixel(6, 6)), 255) << name;
    EXPECT_NE(dot, loadBitmapResource(std::string(name) + "mo")) << name;
  }
}

} // namespace
} // namespace platform
