// The desktop's list of recently used files (the XDG recently-used list,
// `$XDG_DATA_HOME/recently-used.xbel`, else
// `~/.local/share/recently-used.xbel`), read and written through GLib's
// bookmark-file API. It stands where the program's documents have always
// looked for the user's recent documents: a capture finds the file behind an
// editor's window among its entries, and the program adds every text file it
// opens. Paths are the file system's (UTF-8 on every usual system).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace platform {

class RecentlyUsedList {
public:
  // The list in `file`; by default the desktop's.
  explicit RecentlyUsedList(std::filesystem::path file = defaultLocation());

  // Where the desktop keeps the list, from XDG_DATA_HOME or HOME.
  static std::filesystem::path defaultLocation();
  const std::filesystem::path& location() const { return file_; }

  // The local files of the list, in the list's order. Entries that are not
  // local files (other URI schemes) are left out; a missing or unreadable list
  // is empty.
  std::vector<std::string> localFiles() const;

  // Adds `path` (absolute) as used now by this program, with its MIME type,
  // and writes the list whole (GLib replaces the file at once). False when the
  // list could not be written; a damaged list is not overwritten.
  bool add(const std::string& path, const std::string& mimeType);

private:
  std::filesystem::path file_;
};

} // namespace platform
