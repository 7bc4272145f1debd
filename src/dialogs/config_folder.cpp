#include "dialogs/config_folder.h"

#include <cstdlib>
#include <system_error>

namespace dialogs {

std::filesystem::path configHome(std::string_view xdgConfigHome, std::string_view home) {
  // The base directory rules ignore a relative $XDG_CONFIG_HOME.
  if (!xdgConfigHome.empty() && xdgConfigHome.front() == '/')
    return std::filesystem::path(xdgConfigHome);
  if (!home.empty() && home.front() == '/') return std::filesystem::path(home) / ".config";
  return {};
}

std::filesystem::path currentConfigHome() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  return configHome(xdg ? xdg : "", home ? home : "");
}

std::filesystem::path programFile() {
  std::error_code error;
  std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return program;
}

} // namespace dialogs
