#include "dialogs/recent_files_store.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QStringList>

#include <fstream>
#include <string>
#include <vector>

#include "dialogs/recent_files_captions.h"
#include "support/temp_folder.h"

namespace dialogs {
namespace {

using Paths = std::vector<std::string>;

// The values under the recent-files key as the file holds them.
std::map<std::string, std::string> storedValues(const std::filesystem::path& file) {
  QSettings settings(QString::fromStdString(file.string()), QSettings::IniFormat);
  settings.beginGroup(RecentFilesKey);
  std::map<std::string, std::string> values;
  for (const QString& name : settings.childKeys())
    values[name.toStdString()] = settings.value(name).toString().toStdString();
  return values;
}

void storeValues(const std::filesystem::path& file,
                 const std::vector<std::pair<std::string, std::string>>& values) {
  QSettings settings(QString::fromStdString(file.string()), QSettings::IniFormat);
  settings.beginGroup(RecentFilesKey);
  for (const auto& [name, value] : values)
    settings.setValue(QString::fromStdString(name), QString::fromStdString(value));
  settings.endGroup();
  settings.sync();
}

// A store file in a folder of its own.
struct StoreFile {
  StoreFile() { std::filesystem::create_directories(path.parent_path()); }
  operator const std::filesystem::path&() const { return path; }
  testsupport::TempFolder folder{"lumetra-mru"};
  std::filesystem::path path = recentFilesStorePath(folder.path());
};

TEST(RecentFilesStore, LoadsTheNumberedValuesInOrderSkippingGaps) {
  struct Case {
    std::vector<std::pair<std::string, std::string>> stored;
    int maxItems;
    std::optional<Paths> loaded;
  };
  for (const Case& c :
       {Case{{{"MRU3", "/c"}, {"MRU1", "/a"}, {"MRU2", "/b"}}, 2, Paths{"/a", "/b"}},
        // A key holding none of the values loads as nothing, so the list stays.
        Case{{{"Other", "/x"}}, 5, Paths{}}, Case{{}, 5, std::nullopt}}) {
    const StoreFile file;
    if (!c.stored.empty()) storeValues(file, c.stored);
    EXPECT_EQ(RecentFilesStore(file).load(RecentFilesKey, c.maxItems), c.loaded)
        << (c.stored.empty() ? "empty" : c.stored.front().first);
  }
}

TEST(RecentFilesStore, SavingRenumbersFromOneAndLeavesOtherValues) {
  const StoreFile file;
  storeValues(file, {{"MRU2", "/b"}, {"MRU4", "/d"}, {"Keep", "yes"}});
  const RecentFilesStore store(file);
  const auto loaded = store.load(RecentFilesKey, 5);
  ASSERT_TRUE(loaded);
  ASSERT_TRUE(store.save(RecentFilesKey, *loaded));
  EXPECT_EQ(storedValues(file),
            (std::map<std::string, std::string>{{"Keep", "yes"}, {"MRU1", "/b"}, {"MRU2", "/d"}}));
}

TEST(RecentFilesStore, MakesItsFolderAndKeepsPathsWithAnyCharacters) {
  testsupport::TempFolder folder("lumetra-mru");
  const RecentFilesStore store(recentFilesStorePath(folder / "new-config"));
  const Paths paths{"/home/ann/Tom & Jerry.txt", "/tmp/a=b;c,d#e.txt", "/tmp/caf\xc3\xa9 [1].txt"};
  ASSERT_TRUE(store.save(RecentFilesKey, paths));
  EXPECT_EQ(store.load(RecentFilesKey, 5), paths);
}

TEST(RecentFilesStore, AStoreThatCannotBeUsedIsPassedOver) {
  testsupport::TempFolder folder("lumetra-mru");
  // The store's name taken by a folder, and its folder's name taken by a file.
  std::filesystem::create_directories(folder / "taken.ini");
  std::ofstream(folder / "file").put('x');
  for (const std::filesystem::path& file :
       {folder / "taken.ini", folder / "file" / "recent-files.ini", std::filesystem::path()}) {
    const RecentFilesStore store(file);
    EXPECT_EQ(store.load(RecentFilesKey, 5), std::nullopt) << file;
    EXPECT_FALSE(store.save(RecentFilesKey, {"/a"})) << file;
  }
}

TEST(RecentFilesCaptions, NumberedShortenedToTheFirstPartAndTheFileNameWithAmpersandsDoubled) {
  struct Case {
    int index;
    const char* path;
    bool fullPath;
    const char* caption;
  };
  for (const Case& c :
       {Case{0, "/home/ann/books/2024/moby.txt", true, "1. /home/ ... /moby.txt"},
        Case{2, "/moby.txt", true, "3. / ... /moby.txt"},
        Case{3, "//server/share/books/moby.txt", true, "4. //server/share/ ... /moby.txt"},
        Case{0, "/home/R&D/Tom & Jerry.txt", true, "1. /home/ ... /Tom && Jerry.txt"},
        Case{0, "/home/ann/moby.txt", false, "1. / ... /moby.txt"}})
    EXPECT_EQ(recentFileCaption(c.index, c.path, c.fullPath), c.caption) << c.path;
}

} // namespace
} // namespace dialogs
