// One running copy per user session. The lock is an exclusive flock on the
// file "LumetraMutex" in $XDG_RUNTIME_DIR (the temporary folder when that is
// not set), held for the life of the process: the system releases it when
// the process ends, however it ends. A second copy finds the lock taken and
// leaves the marker file "balloon.dat" for the running copy, which shows its
// balloon when it finds the file.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace shell {

inline constexpr const char* InstanceLockName = "LumetraMutex";
inline constexpr const char* MarkerFileName = "balloon.dat";

// The folder of the lock and of the local socket: `runtimeDir` when it names
// an existing folder, else `tempDir`.
std::filesystem::path instanceFolder(const std::string& runtimeDir,
                                     const std::filesystem::path& tempDir);
// instanceFolder for this process' environment.
std::filesystem::path currentInstanceFolder();

class InstanceLock {
public:
  // Takes the lock at `path`; an empty pointer when another process holds it.
  // Throws std::runtime_error when the file cannot be made at all.
  static std::unique_ptr<InstanceLock> acquire(const std::filesystem::path& path);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

private:
  explicit InstanceLock(int fd) : fd_(fd) {}
  int fd_;
};

// Where the marker file lives: beside the program, or in the settings folder
// when the program's folder is not writable.
std::filesystem::path markerFilePath(const std::filesystem::path& programDir, bool writable,
                                     const std::filesystem::path& settingsDir);

// Makes the marker (empty) unless it is there. False when it cannot be made.
bool leaveMarker(const std::filesystem::path& marker);
// Whether the marker is there; removes it. Neither ever throws.
bool markerExists(const std::filesystem::path& marker);
void removeMarker(const std::filesystem::path& marker);

} // namespace shell
