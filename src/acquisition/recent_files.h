// A recent-files list: file paths, most recent first, at most MaxItems of them
// (5 by default). Adding a path moves it to the top, replacing an entry that
// differs only in letter case. This is the in-memory list the reader window
// and QuickLaunch each hold; whoever stores it or shows it as a menu listens
// to OnChanged, which runs once after every change.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace acquisition {

class RecentFilesList {
public:
  static constexpr int DefaultMaxItems = 5;

  explicit RecentFilesList(int maxItems = DefaultMaxItems);

  int MaxItems() const { return maxItems_; }
  // Setting 0 (or less) keeps one entry; a smaller limit drops the oldest.
  void setMaxItems(int maxItems);

  // An empty path is ignored.
  void add(const std::string& path);
  // Replaces the whole list (a load from the store); the limit still holds.
  void assign(const std::vector<std::string>& paths);

  const std::vector<std::string>& entries() const { return entries_; }

  std::function<void()> OnChanged;

private:
  void dropBeyondLimit();
  void changed();

  int maxItems_;
  std::vector<std::string> entries_;
};

} // namespace acquisition
