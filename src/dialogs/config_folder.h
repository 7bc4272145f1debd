// Where the program keeps the small files of the current user: the folder of
// the XDG base directory rules ($XDG_CONFIG_HOME when it is an absolute path,
// else $HOME/.config). The recent-files store and the autostart entry live
// below it.
#pragma once

#include <filesystem>
#include <string_view>

namespace dialogs {

// The configuration folder for the given environment values (either may be
// empty); empty when neither gives an absolute folder.
std::filesystem::path configHome(std::string_view xdgConfigHome, std::string_view home);

// configHome for this process's environment.
std::filesystem::path currentConfigHome();

// The running program file (from /proc/self/exe); empty when unknown.
std::filesystem::path programFile();

} // namespace dialogs
