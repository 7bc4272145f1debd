#include "shell/program_files.h"

#include <system_error>

namespace shell {

namespace {

std::filesystem::path installedFolder(const std::filesystem::path& programDirectory) {
  std::filesystem::path bin = programDirectory.lexically_normal();
  if (!bin.has_filename()) bin = bin.parent_path(); // a trailing slash
  if (bin.filename() != "bin") return {};
  const std::filesystem::path folder = bin.parent_path() / InstalledFilesFolder;
  std::error_code error;
  return std::filesystem::is_directory(folder, error) ? folder : std::filesystem::path();
}

} // namespace

bool isInstalledProgram(const std::filesystem::path& programDirectory) {
  return !installedFolder(programDirectory).empty();
}

std::filesystem::path programFilesFolder(const std::filesystem::path& programDirectory) {
  const std::filesystem::path installed = installedFolder(programDirectory);
  return installed.empty() ? programDirectory : installed;
}

} // namespace shell
