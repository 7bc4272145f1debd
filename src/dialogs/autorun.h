// Start at logon: the XDG autostart entry $XDG_CONFIG_HOME/autostart/lumetra.desktop
// whose command is the program file followed by the word "autorun", which
// makes the program start without its balloon. The options dialog tests,
// writes and removes it; the entry counts as present whoever wrote it.
// Failures are silent, as the user cannot act on them: a test that cannot
// look answers false, a write or removal that fails leaves things as they were.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace dialogs {

inline constexpr const char* AutorunArgument = "autorun";

// The entry's place below a configuration folder (see config_folder.h).
std::filesystem::path autostartEntryPath(const std::filesystem::path& configHome);

// One argument of a desktop entry's Exec line: in double quotes, with '"',
// '`', '$' and '\' escaped for the quoting and then every '\' escaped again
// for the file's string rules, and '%' written "%%". Nothing when the
// argument cannot be written: control characters, or bytes that are not UTF-8.
std::optional<std::string> desktopExecArgument(std::string_view argument);

// The whole entry for `program`, or nothing when its path cannot be written.
std::optional<std::string> autostartEntryText(const std::filesystem::path& program);

class Autorun {
public:
  Autorun(std::filesystem::path entryPath, std::filesystem::path program);

  // Whether the entry exists.
  bool exists() const;
  // Writes the entry (atomically), making its folder when needed.
  bool write();
  // Removes the entry when it exists.
  bool remove();

  const std::filesystem::path& entryPath() const { return entryPath_; }

private:
  std::filesystem::path entryPath_;
  std::filesystem::path program_;
};

// The entry of this user for this program file.
Autorun currentAutorun();

} // namespace dialogs
