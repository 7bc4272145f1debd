#include "dialogs/recent_files_captions.h"

#include "engine/text_helpers.h"

namespace dialogs {

namespace {

std::string_view fileName(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// The part kept before "/ ... /": the server and share of "//server/share/...",
// else everything before the second folder separator ("/home" of
// "/home/ann/x", "docs" of "docs/x"); empty for a file in the root or a bare
// file name.
std::string_view firstPart(std::string_view path) {
  std::size_t from = 0;
  int separators = 1;
  if (path.starts_with("//")) {
    from = 2;
    separators = 2;
  } else if (path.starts_with('/')) {
    from = 1;
  }
  std::size_t end = from;
  for (int i = 0; i < separators; ++i) {
    end = path.find('/', end);
    if (end == std::string_view::npos) return {};
    if (i + 1 < separators) ++end;
  }
  return path.substr(0, end);
}

} // namespace

std::string recentFileMenuText(std::string_view path, bool showFullPath) {
  const std::string shown = showFullPath ? std::string(path) : std::string(fileName(path));
  const std::string shortened =
      std::string(firstPart(shown)) + "/ ... /" + std::string(fileName(shown));
  return engine::replaceAll(shortened, "&", "&&");
}

std::string recentFileCaption(int index, std::string_view path, bool showFullPath) {
  return std::to_string(index + 1) + ". " + recentFileMenuText(path, showFullPath);
}

} // namespace dialogs
