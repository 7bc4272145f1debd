#include "platform/recently_used.h"

#include <cstdlib>
#include <memory>
#include <system_error>

#include <glib.h>

namespace platform {

namespace {

constexpr const char* ApplicationName = "lumetra";
constexpr const char* ApplicationCommand = "lumetra %u";

struct BookmarkFileDeleter {
  void operator()(GBookmarkFile* file) const { g_bookmark_file_free(file); }
};
using BookmarkFile = std::unique_ptr<GBookmarkFile, BookmarkFileDeleter>;

struct ErrorHolder {
  GError* error = nullptr;
  ~ErrorHolder() {
    if (error) g_error_free(error);
  }
  bool is(GQuark domain, int code) const { return g_error_matches(error, domain, code); }
};

// Loads the list; false when it exists but cannot be read or parsed.
bool load(GBookmarkFile* bookmarks, const std::filesystem::path& file) {
  ErrorHolder e;
  if (g_bookmark_file_load_from_file(bookmarks, file.c_str(), &e.error)) return true;
  return e.is(G_FILE_ERROR, G_FILE_ERROR_NOENT);
}

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

} // namespace

RecentlyUsedList::RecentlyUsedList(std::filesystem::path file) : file_(std::move(file)) {}

std::filesystem::path RecentlyUsedList::defaultLocation() {
  const std::string dataHome = environment("XDG_DATA_HOME");
  // A relative XDG_DATA_HOME is ignored, as the XDG base directories have it.
  if (!dataHome.empty() && dataHome.front() == '/')
    return std::filesystem::path(dataHome) / "recently-used.xbel";
  return std::filesystem::path(environment("HOME")) / ".local" / "share" / "recently-used.xbel";
}

std::vector<std::string> RecentlyUsedList::localFiles() const {
  std::vector<std::string> files;
  BookmarkFile bookmarks(g_bookmark_file_new());
  if (!load(bookmarks.get(), file_)) return files;
  gsize count = 0;
  gchar** uris = g_bookmark_file_get_uris(bookmarks.get(), &count);
  for (gsize i = 0; i < count; ++i) {
    gchar* path = g_filename_from_uri(uris[i], nullptr, nullptr);
    if (!path) continue;
    files.emplace_back(path);
    g_free(path);
  }
  g_strfreev(uris);
  return files;
}

bool RecentlyUsedList::add(const std::string& path, const std::string& mimeType) {
  gchar* uri = g_filename_to_uri(path.c_str(), nullptr, nullptr);
  if (!uri) return false;
  BookmarkFile bookmarks(g_bookmark_file_new());
  bool written = false;
  if (load(bookmarks.get(), file_)) {
    g_bookmark_file_set_mime_type(bookmarks.get(), uri, mimeType.c_str());
    // Registers the program and stamps the entry as used now.
    g_bookmark_file_add_application(bookmarks.get(), uri, ApplicationName, ApplicationCommand);
    std::error_code error;
    std::filesystem::create_directories(file_.parent_path(), error);
    written = g_bookmark_file_to_file(bookmarks.get(), file_.c_str(), nullptr);
  }
  g_free(uri);
  return written;
}

} // namespace platform
