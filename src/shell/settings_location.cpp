#include "shell/settings_location.h"

#include <cstdlib>
#include <system_error>

#include <unistd.h>

#include "platform/files.h"
#include "shell/program_files.h"
#include "shell/settings_file.h"

namespace shell {
bool isWritableFolder(const std::filesystem::path& folder) {
  return !folder.empty() && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::filesystem::path resolveSettingsPath(const SettingsLocation& location) {
  const std::filesystem::path besideProgram = location.programDirectory / SettingsFileName;
  // An installed program keeps the user's file apart from the factory file,
  // even when the superuser could write in the program's folder.
  const bool installed = isInstalledProgram(location.programDirectory);
  if (location.programDirectoryWritable && !installed) return besideProgram;
  const std::filesystem::path factory =
      programFilesFolder(location.programDirectory) / SettingsFileName;

  std::filesystem::path configHome;
  if (!location.xdgConfigHome.empty() && location.xdgConfigHome.front() == '/') {
    configHome = location.xdgConfigHome;
  } else if (!location.home.empty()) {
    configHome = std::filesystem::path(location.home) / ".config";
  } else {
    return factory;
  }
  const std::filesystem::path folder = configHome / "lumetra";
  const std::filesystem::path target = folder / SettingsFileName;
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  if (!std::filesystem::exists(target, ignored)) {
    // Without a factory file nothing is seeded; opening the settings then
    // reports the missing file.
    try {
      platform::writeFileAtomic(target, platform::readWholeFile(factory));
    } catch (const platform::FileError&) {
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

SettingsLocation currentSettingsLocation() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  const std::filesystem::path folder = programDirectory();
  return {folder, isWritableFolder(folder), xdg ? xdg : "", home ? home : ""};
}

std::filesystem::path settingsFilePath() {
  return resolveSettingsPath(currentSettingsLocation());
}

} // namespace shell
