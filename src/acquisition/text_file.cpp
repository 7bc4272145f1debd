#include "acquisition/text_file.h"

#include <filesystem>
#include <system_error>

#include "platform/cp1252.h"
#include "platform/files.h"

namespace acquisition {

std::string readWholeFile(const std::string& path) {
  return platform::readWholeFile(std::filesystem::path(path));
}

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
  std::string text = platform::decodeIncomingText(bytes);
  if (!looksLikeText(text)) return {{}, NotTextFileMessage + platform::utf8ToCp1252(path)};
  return {std::move(text), {}};
}

} // namespace acquisition
