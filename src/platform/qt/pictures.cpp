#include "platform/qt/pictures.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

// Registers the embedded pictures once; the call also makes the linker keep them.
static void registerPictures() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(lumetra_pictures);
    return true;
  }();
  (void)registered;
}

namespace platform {

namespace {

// Pictures beyond this many pixels are taken as corrupt headers.
constexpr long long kMaxPixels = 64LL * 1024 * 1024;

struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
  bool cutOff;
};

extern "C" void onJpegError(j_common_ptr info) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, manager->message);
  std::longjmp(manager->jump, 1);
}

extern "C" void onJpegMessage(j_common_ptr info, int level) {
  // Warnings are tolerated, except data that ends before the picture does.
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
    reinterpret_cast<ErrorManager*>(info->err)->cutOff = true;
}

// The target the decoder writes into; made by the caller once the size is known.
struct Target {
  QImage* image;
};

// Decodes with libjpeg. The function holds no object with a destructor, so
// that the jump out of libjpeg on an error skips nothing. Returns nullptr on
// success or the reason of the failure in `manager.message`.
const char* decodeInto(const unsigned char* data, unsigned long size, Target target,
                       ErrorManager& manager) {
  jpeg_decompress_struct info;
  info.err = jpeg_std_error(&manager.pub);
  manager.pub.error_exit = onJpegError;
  manager.pub.emit_message = onJpegMessage;
  manager.message[0] = '\0';
  manager.cutOff = false;
  if (setjmp(manager.jump)) {
    jpeg_destroy_decompress(&info);
    return manager.message;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, size);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (info.output_components != 3 ||
      static_cast<long long>(info.output_width) * info.output_height > kMaxPixels) {
    jpeg_destroy_decompress(&info);
    return "the picture is too large or has an unsupported layout";
  }
  *target.image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                         QImage::Format_RGB888);
  if (target.image->isNull()) {
    jpeg_destroy_decompress(&info);
    return "out of memory";
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = target.image->scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
    if (manager.cutOff) {
      jpeg_destroy_decompress(&info);
      return "the data ends before the picture does";
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return manager.cutOff ? "the data ends before the picture does" : nullptr;
}

QString jpegPath(const std::string& name) {
  return QStringLiteral(":/JPG/") + QString::fromStdString(name) + QStringLiteral(".jpg");
}

QString bitmapPath(const std::string& name, const char* extension) {
  return QStringLiteral(":/BMP/") + QString::fromStdString(name) + QLatin1String(extension);
}

bool resourceExists(const QString& path) {
  registerPictures();
  return QFile::exists(path);
}

} // namespace

QImage decodeJpeg(std::string_view bytes) {
  if (bytes.empty()) throw ResourceError("Cannot decode the JPEG picture: there are no bytes");
  QImage image;
  ErrorManager manager;
  const char* failure =
      decodeInto(reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()), Target{&image}, manager);
  if (failure) throw ResourceError(std::string("Cannot decode the JPEG picture: ") + failure);
  return image;
}

bool hasJpegResource(const std::string& name) {
  return resourceExists(jpegPath(name));
}

bool hasBitmapResource(const std::string& name) {
  return resourceExists(bitmapPath(name, ".bmp")) || resourceExists(bitmapPath(name, ".png"));
}

QImage loadJpegResource(const std::string& name) {
  if (!hasJpegResource(name))
    throw ResourceError("The JPEG picture \"" + name + "\" is not among the program's resources");
  QFile file(jpegPath(name));
  if (!file.open(QIODevice::ReadOnly))
    throw ResourceError("Cannot open the JPEG picture \"" + name + "\"");
  const QByteArray bytes = file.readAll();
  try {
    return decodeJpeg(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  } catch (const ResourceError& error) {
    throw ResourceError("The JPEG picture \"" + name + "\": " + error.what());
  }
}

QImage loadBitmapResource(const std::string& name) {
  for (const char* extension : {".bmp", ".png"}) {
    const QString path = bitmapPath(name, extension);
    if (!resourceExists(path)) continue;
    QImage image(path);
    if (image.isNull()) throw ResourceError("The bitmap \"" + name + "\" cannot be decoded");
    return image;
  }
  throw ResourceError("The bitmap \"" + name + "\" is not among the program's resources");
}

QImage loadPictureResource(const std::string& name) {
  if (hasJpegResource(name)) return loadJpegResource(name);
  if (hasBitmapResource(name)) return loadBitmapResource(name);
  throw ResourceError("The picture \"" + name + "\" is not among the program's resources");
}

const QImage& PictureCache::picture(const std::string& name) {
  auto found = pictures_.find(name);
  if (found == pictures_.end()) found = pictures_.emplace(name, loadPictureResource(name)).first;
  return found->second;
}

} // namespace platform
