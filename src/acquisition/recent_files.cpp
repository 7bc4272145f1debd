#include "acquisition/recent_files.h"

#include <algorithm>

#include "engine/text_helpers.h"

namespace acquisition {

RecentFilesList::RecentFilesList(int maxItems) : maxItems_(std::max(1, maxItems)) {}

void RecentFilesList::setMaxItems(int maxItems) {
  maxItems_ = std::max(1, maxItems);
  if (entries_.size() > static_cast<std::size_t>(maxItems_)) {
    dropBeyondLimit();
    changed();
  }
}

void RecentFilesList::add(const std::string& path) {
  if (path.empty()) return;
  const std::string key = engine::lowerCase(path);
  std::erase_if(entries_, [&](const std::string& e) { return engine::lowerCase(e) == key; });
  entries_.insert(entries_.begin(), path);
  dropBeyondLimit();
  changed();
}

void RecentFilesList::assign(const std::vector<std::string>& paths) {
  entries_.clear();
  for (const std::string& p : paths) {
    if (!p.empty() && entries_.size() < static_cast<std::size_t>(maxItems_)) entries_.push_back(p);
  }
  changed();
}

void RecentFilesList::dropBeyondLimit() {
  if (entries_.size() > static_cast<std::size_t>(maxItems_)) entries_.resize(maxItems_);
}

void RecentFilesList::changed() {
  if (OnChanged) OnChanged();
}

} // namespace acquisition
