// Reading and writing whole files. A read takes what is in the file at that
// moment (another process may still be writing it). A write is atomic: the
// bytes go to a temporary file in the same folder, which is flushed to disk
// and renamed over the old file, so a crash or a failure leaves either the old
// file or the new one, never half of one. Failures throw FileError with a
// message that names the file and the reason.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace platform {

class FileError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// The bytes of a regular file. Throws FileError for a missing file, a folder,
// anything that is not a regular file, and a file that cannot be read.
std::string readWholeFile(const std::filesystem::path& path);

// Replaces the file at `path` (or makes it) with `bytes`. An existing file keeps
// its permissions; a symbolic link is followed and its target replaced. On any
// failure the old file is left as it was, the temporary file is removed and
// FileError is thrown.
void writeFileAtomic(const std::filesystem::path& path, std::string_view bytes);

} // namespace platform
