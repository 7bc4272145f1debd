#include "shell/settings_location.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "shell/settings_file.h"

namespace shell {
namespace {

bool isWritableFolder(const std::filesystem::path& folder) {
  return !folder.empty() && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::string errnoText(const char* what) {
  return std::string(what) + ": " + std::strerror(errno);
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

} // namespace

bool writeSettingsBytes(const std::filesystem::path& path, std::string_view bytes,
                        std::string& error) {
  const std::filesystem::path folder =
      path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
  std::string temporary = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) {
    error = errnoText("cannot create a temporary file");
    return false;
  }
  // Keep the permissions of the file being replaced.
  struct stat old {};
  ::fchmod(fd, ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);
  bool ok = writeAll(fd, bytes);
  if (!ok) error = errnoText("cannot write");
  if (ok && ::fsync(fd) != 0) ok = false, error = errnoText("cannot flush");
  if (::close(fd) != 0 && ok) ok = false, error = errnoText("cannot close");
  if (ok && ::rename(temporary.c_str(), path.c_str()) != 0) {
    ok = false, error = errnoText("cannot rename");
  }
  if (!ok) {
    ::unlink(temporary.c_str());
    return false;
  }
  // Make the rename itself durable.
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

std::filesystem::path resolveSettingsPath(const SettingsLocation& location) {
  const std::filesystem::path besideProgram = location.programDirectory / SettingsFileName;
  if (isWritableFolder(location.programDirectory)) return besideProgram;

  std::filesystem::path configHome;
  if (!location.xdgConfigHome.empty() && location.xdgConfigHome.front() == '/') {
    configHome = location.xdgConfigHome;
  } else if (!location.home.empty()) {
    configHome = std::filesystem::path(location.home) / ".config";
  } else {
    return besideProgram;
  }
  const std::filesystem::path folder = configHome / "lumetra";
  const std::filesystem::path target = folder / SettingsFileName;
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  if (!std::filesystem::exists(target, ignored)) {
    std::ifstream factory(besideProgram, std::ios::binary);
    if (factory) {
      std::ostringstream bytes;
      bytes << factory.rdbuf();
      std::string error;
      writeSettingsBytes(target, bytes.str(), error);
    }
  }
  return target;
}

std::filesystem::path programDirectory() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::filesystem::current_path(error);
  return program.parent_path();
}

std::filesystem::path settingsFilePath() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  return resolveSettingsPath({programDirectory(), xdg ? xdg : "", home ? home : ""});
}

} // namespace shell
