#include "dialogs/autorun.h"

#include <system_error>
#include <utility>

#include "dialogs/config_folder.h"
#include "platform/cp1252.h"
#include "platform/files.h"

namespace dialogs {

namespace fs = std::filesystem;

fs::path autostartEntryPath(const fs::path& configHome) {
  return configHome / "autostart" / "lumetra.desktop";
}

std::optional<std::string> desktopExecArgument(std::string_view argument) {
  if (!platform::isValidUtf8(argument)) return std::nullopt;
  std::string quoted = "\"";
  for (char c : argument) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) return std::nullopt;
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    quoted += c;
  }
  quoted += '"';
  // The file's own string rules are undone before the quoting, so every
  // backslash of the quoted form is written twice.
  std::string written;
  for (char c : quoted) {
    if (c == '\\')
      written += "\\\\";
    else if (c == '%')
      written += "%%";
    else
      written += c;
  }
  return written;
}

std::optional<std::string> autostartEntryText(const fs::path& program) {
  const std::optional<std::string> command = desktopExecArgument(program.string());
  if (!command || program.empty()) return std::nullopt;
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Lumetra\n"
         "Comment=Start Lumetra and its QuickLaunch button at logon\n"
         "Exec=" +
         *command + " " + AutorunArgument +
         "\n"
         "Terminal=false\n";
}

Autorun::Autorun(fs::path entryPath, fs::path program)
    : entryPath_(std::move(entryPath)), program_(std::move(program)) {}

bool Autorun::exists() const {
  std::error_code error;
  return !entryPath_.empty() && fs::exists(entryPath_, error);
}

bool Autorun::write() {
  const std::optional<std::string> text = autostartEntryText(program_);
  if (!text || entryPath_.empty()) return false;
  std::error_code error;
  fs::create_directories(entryPath_.parent_path(), error);
  try {
    platform::writeFileAtomic(entryPath_, *text);
  } catch (const platform::FileError&) {
    return false;
  }
  return true;
}

bool Autorun::remove() {
  std::error_code error;
  if (!exists()) return true;
  return fs::remove(entryPath_, error) && !error;
}

Autorun currentAutorun() {
  const fs::path home = currentConfigHome();
  return Autorun(home.empty() ? fs::path() : autostartEntryPath(home), programFile());
}

} // namespace dialogs
