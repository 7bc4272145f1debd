// Where the program's own files live: the factory settings file, the help page
// and the licence. An installed program (<prefix>/bin/lumetra) finds them in
// <prefix>/share/lumetra/; a program run from the build folder finds them
// beside itself.
#pragma once

#include <filesystem>
#include <string_view>

namespace shell {

// The folder, relative to the installation prefix, that holds the program's files.
inline constexpr std::string_view InstalledFilesFolder = "share/lumetra";

// The folder holding the program's files for a program in `programDirectory`:
// <prefix>/share/lumetra when `programDirectory` is <prefix>/bin and that
// folder exists, otherwise `programDirectory` itself.
std::filesystem::path programFilesFolder(const std::filesystem::path& programDirectory);

// Whether `programDirectory` is the bin/ folder of an installation.
bool isInstalledProgram(const std::filesystem::path& programDirectory);

} // namespace shell
