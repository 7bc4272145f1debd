#include "platform/process_names.h"

#include <fstream>
#include <iterator>
#include <string_view>
#include <system_error>

namespace platform {

namespace {

namespace fs = std::filesystem;

std::string fileNameOf(std::string_view path) {
  while (!path.empty() && path.back() == '/')
    path.remove_suffix(1);
  const auto slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string fileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string fromExeLink(const fs::path& folder) {
  std::error_code error;
  const fs::path target = fs::read_symlink(folder / "exe", error);
  if (error) return {};
  std::string text = target.string();
  constexpr std::string_view deleted = " (deleted)";
  if (text.size() > deleted.size() && text.ends_with(deleted))
    text.resize(text.size() - deleted.size());
  return fileNameOf(text);
}

std::string fromCommandLine(const fs::path& folder) {
  std::string line = fileText(folder / "cmdline");
  // The arguments are separated by NUL; a program that rewrites its command
  // line may join them with spaces instead.
  line = line.substr(0, line.find('\0'));
  line = line.substr(0, line.find(' '));
  return fileNameOf(line);
}

std::string fromComm(const fs::path& folder) {
  std::string name = fileText(folder / "comm");
  while (!name.empty() && (name.back() == '\n' || name.back() == '\0'))
    name.pop_back();
  return name;
}

} // namespace

std::string executableNameOfProcess(int processId, const fs::path& procRoot) {
  if (processId <= 0) return {};
  const fs::path folder = procRoot / std::to_string(processId);
  for (auto source : {fromExeLink, fromCommandLine, fromComm}) {
    std::string name = source(folder);
    if (!name.empty()) return name;
  }
  return {};
}

} // namespace platform
