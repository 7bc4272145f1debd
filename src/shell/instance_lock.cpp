#include "shell/instance_lock.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/file.h>
#include <unistd.h>

namespace shell {

namespace fs = std::filesystem;

fs::path instanceFolder(const std::string& runtimeDir, const fs::path& tempDir) {
  std::error_code error;
  if (!runtimeDir.empty() && fs::is_directory(runtimeDir, error)) return runtimeDir;
  return tempDir;
}

fs::path currentInstanceFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  std::error_code error;
  fs::path temp = fs::temp_directory_path(error);
  if (error) temp = "/tmp";
  return instanceFolder(runtime ? runtime : "", temp);
}

std::unique_ptr<InstanceLock> InstanceLock::acquire(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) throw std::runtime_error(path.string() + ": cannot be made: " + std::strerror(errno));
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int why = errno;
    ::close(fd);
    if (why == EWOULDBLOCK) return nullptr;
    throw std::runtime_error(path.string() + ": cannot be locked: " + std::strerror(why));
  }
  return std::unique_ptr<InstanceLock>(new InstanceLock(fd));
}

InstanceLock::~InstanceLock() {
  ::close(fd_);
}

fs::path markerFilePath(const fs::path& programDir, bool writable, const fs::path& settingsDir) {
  return (writable ? programDir : settingsDir) / MarkerFileName;
}

bool leaveMarker(const fs::path& marker) {
  std::error_code error;
  if (fs::exists(marker, error)) return true;
  const int fd = ::open(marker.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

bool markerExists(const fs::path& marker) {
  std::error_code error;
  return fs::exists(marker, error);
}

void removeMarker(const fs::path& marker) {
  std::error_code error;
  fs::remove(marker, error);
}

} // namespace shell
