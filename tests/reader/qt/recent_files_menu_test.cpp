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

struct RecentReader {
  explicit RecentReader(const std::vector<std::string>& entries) {
    qtApp();
    std::filesystem::remove(file);
    store.save(dialogs::RecentFilesKey, entries);
    engine::setDocumentText(state, sampleText());
    textEngine = std::make_unique<engine::TextEngine>(state, settings, measure);
    shell::ReaderParts parts{*textEngine, reading,           fade,
                             clock,       {0, 0, 1280, 994}, {0, 0, 1280, 1024}};
    parts.recentFilesStore = store;
    parts.openDocument = [this](const std::string& path) { opened.push_back(path); };
    assembly = std::make_unique<shell::ReaderAssembly>(parts);
    assembly->show();
    assembly->widget().refreshMenus();
  }
  ~RecentReader() {
    assembly.reset();
    std::filesystem::remove(file);
  }
  QMenu& menu() { return *assembly->widget().recentFilesMenu(); }

  std::filesystem::path file = std::filesystem::temp_directory_path() /
                               ("lumetra_reader_mru_" + std::to_string(::getpid()) + ".ini");
  dialogs::RecentFilesStore store{file};
  engine::SettingsRecord settings;
  engine::EngineState state;
  platform::QtTextMeasure measure;
  std::unique_ptr<engine::TextEngine> textEngine;
  ReadingState reading;
  FadeState fade;
  platform::VirtualClock clock;
  std::vector<std::string> opened;
  std::unique_ptr<shell::ReaderAssembly> assembly;
};

TEST(RecentFilesMenu, DisabledWhileEmpty) {
  RecentReader r({});
  EXPECT_TRUE(r.menu().actions().isEmpty());
  EXPECT_FALSE(r.menu().menuAction()->isEnabled());
  EXPECT_EQ(r.menu().title(), "&Recent Files");
}

TEST(RecentFilesMenu, AChosenEntryMovesToTheTopAndOpensInTheReader) {
  RecentReader r({"/books/first.txt", "/books/second.txt"});
  ASSERT_EQ(r.menu().actions().size(), 2);
  EXPECT_TRUE(r.menu().menuAction()->isEnabled());
  r.menu().popup(r.assembly->widget().mapToGlobal(QPoint(20, 20)));
  QApplication::processEvents();
  const QString shots = QString(LUMETRA_BINARY_DIR) + "/screenshots";
  QDir().mkpath(shots);
  EXPECT_TRUE(r.menu().grab().toImage().save(shots + "/menu_recent_files.png"));
  r.menu().hide();
  r.menu().actions().at(1)->trigger();
  EXPECT_EQ(r.opened, std::vector<std::string>{"/books/second.txt"});
  EXPECT_EQ(r.assembly->recentFiles()->entries().front(), "/books/second.txt");
  EXPECT_TRUE(r.assembly->widget().isVisible());
  // The window's copy is what it saves when it goes.
  r.assembly.reset();
  const auto saved = r.store.load(dialogs::RecentFilesKey, 5);
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->front(), "/books/second.txt");
}

} // namespace
} // namespace reader::testing
