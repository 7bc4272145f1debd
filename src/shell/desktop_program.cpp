#include "shell/desktop_program.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "shell/command_line.h"

namespace shell {

int startDesktopProgram(char** argv, std::ostream& err) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) {
    err << "lumetra: cannot find the program's own file: " << error.message() << '\n';
    return FileProblemStatus;
  }
  const std::filesystem::path desktop = self.parent_path() / DesktopProgramName;
  ::execv(desktop.c_str(), argv);
  err << "lumetra: cannot start " << desktop.string() << ": " << std::strerror(errno) << '\n';
  return FileProblemStatus;
}

} // namespace shell
