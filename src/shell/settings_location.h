// Where the settings file lives. In the build folder the file sits beside
// the program. An installed program, or one whose folder is not writable,
// keeps it in $XDG_CONFIG_HOME/lumetra/ (by default ~/.config/lumetra/), first
// seeded there from the factory file (see program_files.h for where that is).
#pragma once

#include <filesystem>
#include <string>

namespace shell {

struct SettingsLocation {
  std::filesystem::path programDirectory;
  bool programDirectoryWritable = true;
  std::string xdgConfigHome; // the environment's value, may be empty
  std::string home;          // $HOME, may be empty
};

// The settings path for `location`. For the configuration folder, creates the
// folder and copies the factory file into it when no settings file is there;
// an existing file is never overwritten.
std::filesystem::path resolveSettingsPath(const SettingsLocation& location);

// Whether this process may make and rename files in `folder`.
bool isWritableFolder(const std::filesystem::path& folder);

// The folder of the running program (from /proc/self/exe).
std::filesystem::path programDirectory();

// The location of this process: its program folder and environment.
SettingsLocation currentSettingsLocation();

// resolveSettingsPath for this process.
std::filesystem::path settingsFilePath();

} // namespace shell
