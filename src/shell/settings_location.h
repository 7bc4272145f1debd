// Where the settings file lives, and how it is written. The file sits beside
// the program; when the program's folder is not writable it lives in
// $XDG_CONFIG_HOME/lumetra/ (by default ~/.config/lumetra/), first seeded
// there from the factory file beside the program.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace shell {

struct SettingsLocation {
  std::filesystem::path programDirectory;
  std::string xdgConfigHome; // the environment's value, may be empty
  std::string home;          // $HOME, may be empty
};

// The settings path for `location`. For the configuration folder, creates the
// folder and copies the factory file into it when no settings file is there;
// an existing file is never overwritten.
std::filesystem::path resolveSettingsPath(const SettingsLocation& location);

// The folder of the running program (from /proc/self/exe).
std::filesystem::path programDirectory();

// resolveSettingsPath for this process and its environment.
std::filesystem::path settingsFilePath();

// Replaces the file at `path` with `bytes`: written to a temporary file in the
// same folder, flushed to disk and renamed over the old one. On failure the
// old file is untouched, `error` says why and the result is false.
bool writeSettingsBytes(const std::filesystem::path& path, std::string_view bytes,
                        std::string& error);

} // namespace shell
