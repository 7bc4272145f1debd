// Reading a document file from disk as program text. The file is taken whole;
// UTF-8 (and UTF-16 with a byte-order mark) is converted to code page 1252,
// other bytes are taken as code page 1252, and CR LF or a lone LF become CR.
// A file holding NUL bytes near its start is not text and is refused with a
// message, so that a picture or an archive is never read as words.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace acquisition {

inline constexpr const char* MissingFileMessage =
    "Please check if the specified file exists on your harddisk !";
inline constexpr const char* NotTextFileMessage =
    "This file does not hold text and cannot be read : ";
inline constexpr const char* UnreadableFileMessage = "The file could not be read : ";
inline constexpr const char* TooLargeFileMessage = "This file is too large to be read : ";

// The largest file taken: positions into the text are signed 32-bit.
inline constexpr std::uintmax_t MaxTextFileBytes = 0x7FFFFFFE;

// How much of the start of a file is looked at for NUL bytes.
inline constexpr std::size_t TextProbeLength = 8192;

// The whole file as bytes, also while another program is writing it. Throws
// platform::FileError when the file is missing or cannot be read.
std::string readWholeFile(const std::string& path);

// True when the first TextProbeLength bytes hold no NUL byte.
bool looksLikeText(std::string_view text);

struct TextFileResult {
  std::string text;    // code page 1252, CR line ends; empty on a problem
  std::string problem; // the message for the user; empty when the file was read
};

TextFileResult loadTextFile(const std::string& path);

} // namespace acquisition
