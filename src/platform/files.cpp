#include "platform/files.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

std::string describe(int error) {
  return std::strerror(error);
}

[[noreturn]] void fail(const std::string& what, const std::filesystem::path& path, int error) {
  throw FileError(what + " \"" + path.string() + "\": " + describe(error));
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now, reporting the result; the descriptor is gone either way.
  int close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

private:
  int fd_;
};

// Returns 0 or the error number.
int writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

// Gives the temporary file its mode and bytes, puts them on disk and closes it.
// Returns 0 or the error number.
// A replaced file's mode is kept; a new file keeps the mode it was made with.
int fillTemporary(Descriptor& fd, std::optional<mode_t> mode, std::string_view bytes) {
  if (mode && ::fchmod(fd.get(), *mode) != 0) return errno;
  if (const int error = writeAll(fd.get(), bytes)) return error;
  if (::fsync(fd.get()) != 0) return errno;
  if (fd.close() != 0) return errno;
  return 0;
}

// Follows a symbolic link at `path` so that the link stays and its target is replaced.
std::filesystem::path resolveTarget(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) return path;
  std::filesystem::path target = std::filesystem::weakly_canonical(path, error);
  return error ? path : target;
}

// Makes a new temporary file beside `target`, readable and writable as the
// user's umask allows. Returns the descriptor (or -1 with errno set) and the name.
int createTemporary(const std::filesystem::path& folder, const std::filesystem::path& target,
                    std::filesystem::path& name) {
  const auto seed =
      static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count() ^
                                      (static_cast<long long>(::getpid()) << 16));
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    name = folder / ("." + target.filename().string() + ".tmp-" +
                     std::to_string((seed + attempt * 7919ULL) % 1000000007ULL));
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

void syncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return; // the rename itself has happened; this only hastens it to disk
  ::fsync(fd);
  ::close(fd);
}

} // namespace

std::string readWholeFile(const std::filesystem::path& path) {
  // Non-blocking, so that opening a pipe by mistake cannot hang.
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.get() < 0) fail("Cannot open", path, errno);
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) fail("Cannot read", path, errno);
  if (S_ISDIR(info.st_mode))
    throw FileError("Cannot read \"" + path.string() + "\": it is a folder");
  if (!S_ISREG(info.st_mode))
    throw FileError("Cannot read \"" + path.string() + "\": it is not a regular file");

  std::string bytes;
  if (info.st_size > 0) bytes.reserve(static_cast<std::size_t>(info.st_size));
  std::vector<char> buffer(64 * 1024);
  for (;;) {
    const ssize_t got = ::read(fd.get(), buffer.data(), buffer.size());
    if (got < 0) {
      if (errno == EINTR) continue;
      fail("Cannot read", path, errno);
    }
    if (got == 0) break;
    bytes.append(buffer.data(), static_cast<std::size_t>(got));
  }
  return bytes;
}

void writeFileAtomic(const std::filesystem::path& path, std::string_view bytes) {
  const std::filesystem::path target = resolveTarget(path);
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  if (!target.has_filename())
    throw FileError("Cannot write \"" + path.string() + "\": no file name");

  std::filesystem::path temporary;
  Descriptor fd(createTemporary(folder, target, temporary));
  if (fd.get() < 0) fail("Cannot write", path, errno);

  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  int error = fillTemporary(
      fd, replacing ? std::optional<mode_t>(old.st_mode & 07777) : std::nullopt, bytes);
  if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    fail("Cannot write", path, error);
  }
  syncFolder(folder);
}

} // namespace platform
