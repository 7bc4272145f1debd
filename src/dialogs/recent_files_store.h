// The store that keeps the recent-files lists between runs: a key/value file
// in Qt's settings class, INI form, $XDG_CONFIG_HOME/lumetra/recent-files.ini.
// Under a key path (the program uses RecentFilesKey) the entries are the
// values "MRU1", "MRU2", ..., MRU1 the most recent. Entries are file paths as
// the file system spells them (UTF-8 on the desktops the program runs on).
//
// The store never gets in the user's way: a file that cannot be read counts
// as a missing key, and a save that cannot be done writes nothing. Qt writes
// the file whole to a temporary file and renames it over the old one.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace dialogs {

inline constexpr const char* RecentFilesKey = "software/Lumetra/mruList/mru";

// The store's place below a configuration folder (see config_folder.h).
std::filesystem::path recentFilesStorePath(const std::filesystem::path& configHome);

class RecentFilesStore {
public:
  explicit RecentFilesStore(std::filesystem::path file);

  // The values MRU1 .. MRU`maxItems` under `key` that exist, in number order
  // (missing numbers are skipped, so later entries move up); nothing when
  // the key holds no values or the file cannot be read.
  std::optional<std::vector<std::string>> load(const std::string& key, int maxItems) const;

  // Removes every "MRU" + number value under `key`, then writes the entries
  // as MRU1, MRU2, ... in order; the folder is made when needed. Other values
  // are left as they are. False when nothing could be written.
  bool save(const std::string& key, const std::vector<std::string>& entries) const;

  const std::filesystem::path& file() const { return file_; }

private:
  std::filesystem::path file_;
};

// The store of this user.
RecentFilesStore currentRecentFilesStore();

} // namespace dialogs
