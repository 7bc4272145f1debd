// Feeds arbitrary bytes to the decoders at the program's edges: incoming text
// (UTF-8 / UTF-16 / code page 1252 recognition and line ends) and JPEG pictures.
// Neither may crash, hang or read out of bounds; both must keep their contracts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/cp1252.h"
#include "platform/qt/pictures.h"
#include "platform/resource_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const std::string text = platform::decodeIncomingText(bytes);
  // Incoming text always leaves with CR line ends only.
  if (text.find('\n') != std::string::npos) std::abort();
  // Code page 1252 survives a round trip through UTF-8 unchanged.
  const std::string utf8 = platform::cp1252ToUtf8(text);
  if (platform::utf8ToCp1252(utf8) != text) std::abort();
  // Program text saved as UTF-8 reads back as it was, NUL bytes and all.
  if (platform::decodeIncomingText(utf8) != text) std::abort();

  try {
    const QImage image = platform::decodeJpeg(bytes);
    if (image.isNull()) std::abort();
  } catch (const platform::ResourceError&) {
    // Corrupt pictures are reported, never drawn.
  }
  return 0;
}
