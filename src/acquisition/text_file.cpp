#include "acquisition/text_file.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/cp1252.h"
#include "platform/files.h"

namespace acquisition {

std::string readWholeFile(const std::string& path) {
  return platform::readWholeFile(std::filesystem::path(path));
}

namespace {

// Program text from a file's bytes. Bytes below 0x80 hold no byte-order mark
// and no UTF-8 sequence and read the same in code page 1252, so such a file
// only has its line ends normalised, in the bytes themselves: no copy.
std::string decode(std::string bytes) {
  const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (!ascii) return platform::decodeIncomingText(bytes);
  platform::normaliseLineEndsInPlace(bytes);
  return bytes;
}

} // namespace

bool looksLikeText(std::string_view text) {
  return text.substr(0, TextProbeLength).find('\0') == std::string_view::npos;
}

TextFileResult loadTextFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return {{}, MissingFileMessage};
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (!error && size > MaxTextFileBytes) {
    return {{}, TooLargeFileMessage + platform::utf8ToCp1252(path)};
  }
  std::string bytes;
  try {
    bytes = readWholeFile(path);
  } catch (const platform::FileError& e) {
    return {{}, UnreadableFileMessage + platform::utf8ToCp1252(e.what())};
  }
  // Decoded first, so that UTF-16 text with its byte-order mark is not taken
  // for a binary file.
  std::string text = decode(std::move(bytes));
  if (!looksLikeText(text)) return {{}, NotTextFileMessage + platform::utf8ToCp1252(path)};
  return {std::move(text), {}};
}

} // namespace acquisition
