// The pictures the program carries, embedded with Qt's resource system: JPEG
// pictures under ":/JPG/<name>.jpg", decoded with libjpeg, and bitmaps under
// ":/BMP/<name>.bmp" or ":/BMP/<name>.png". A missing picture or bad data
// throws ResourceError naming the picture and the reason; nothing aborts.
#pragma once

#include <QImage>
#include <map>
#include <string>
#include <string_view>

#include "platform/resource_error.h"

namespace platform {

// Decodes JPEG bytes into an RGB image.
QImage decodeJpeg(std::string_view bytes);

QImage loadJpegResource(const std::string& name);
QImage loadBitmapResource(const std::string& name);
// The JPEG picture of that name if there is one, else the bitmap.
QImage loadPictureResource(const std::string& name);

bool hasJpegResource(const std::string& name);
bool hasBitmapResource(const std::string& name);

// Keeps the pictures loaded so far, so that a window decodes each picture once.
class PictureCache {
public:
  // The picture of that name (see loadPictureResource); throws ResourceError.
  const QImage& picture(const std::string& name);

private:
  std::map<std::string, QImage, std::less<>> pictures_;
};

} // namespace platform
