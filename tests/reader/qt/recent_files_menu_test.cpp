// The reader's "&Recent Files" submenu on its own copy of the recent-files
// list: disabled while the list is empty, an item per entry otherwise, and a
// chosen entry moved to the top and opened through the reader's open path.
#include <gtest/gtest.h>

#include <QDir>
#include <QMenu>
#include <filesystem>
#include <unistd.h>

#include "window_fixture.h"

namespace reader::testing {
namespace {

// A reader whose list is kept in a store of its own holding `entries`.
struct RecentReader {
  explicit RecentReader(const std::vector<std::string>& entries)
      : saved(store.save(dialogs::RecentFilesKey, entries)),
        reader(engine::ReadingModeKind::Banner, true, {}, store) {
    reader.widget().refreshMenus();
  }
  ~RecentReader() { std::filesystem::remove(store.file()); }
  QMenu& menu() { return *reader.widget().recentFilesMenu(); }

  dialogs::RecentFilesStore store{std::filesystem::temp_directory_path() /
                                  ("lumetra_reader_mru_" + std::to_string(::getpid()) + ".ini")};
  bool saved;
  Reader reader;
};

TEST(RecentFilesMenu, DisabledWhileEmpty) {
  RecentReader r({});
  EXPECT_TRUE(r.menu().actions().isEmpty());
  EXPECT_FALSE(r.menu().menuAction()->isEnabled());
}

TEST(RecentFilesMenu, AChosenEntryMovesToTheTopAndOpensInTheReader) {
  RecentReader r({"/books/first.txt", "/books/second.txt"});
  ASSERT_EQ(r.menu().actions().size(), 2);
  EXPECT_TRUE(r.menu().menuAction()->isEnabled());
  r.menu().popup(r.reader.widget().mapToGlobal(QPoint(20, 20)));
  QApplication::processEvents();
  const QString shots = QString(LUMETRA_BINARY_DIR) + "/screenshots";
  QDir().mkpath(shots);
  EXPECT_TRUE(r.menu().grab().toImage().save(shots + "/menu_recent_files.png"));
  r.menu().hide();
  r.menu().actions().at(1)->trigger();
  EXPECT_EQ(r.reader.opened, std::vector<std::string>{"/books/second.txt"});
  EXPECT_EQ(r.reader.assembly->recentFiles()->entries().front(), "/books/second.txt");
  EXPECT_TRUE(r.reader.widget().isVisible());
  // The window's copy is what it saves when it goes.
  r.reader.assembly.reset();
  const auto kept = r.store.load(dialogs::RecentFilesKey, 5);
  ASSERT_TRUE(kept.has_value());
  EXPECT_EQ(kept->front(), "/books/second.txt");
}

} // namespace
} // namespace reader::testing
