#include "dialogs/qt/adp_mru.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>

#include <memory>
#include <string>
#include <vector>

#include "support/qt_app.h"
#include "support/temp_folder.h"

namespace dialogs::testing {
namespace {

using Paths = std::vector<std::string>;

// Made first, so that the application exists before any widget.
struct WithApp {
  WithApp() { testsupport::qtApp(); }
};

struct MenuRig : WithApp {
  MenuRig() : folder("lumetra-mru-menu"), file(recentFilesStorePath(folder.path())) {
    menu.addAction(QStringLiteral("Open file to read"));
    menu.addSeparator();
  }
  std::unique_ptr<TadpMRU> component() {
    auto mru = std::make_unique<TadpMRU>(RecentFilesStore(file));
    mru->setParentMenuItem(&menu);
    return mru;
  }
  // The captions of the recent-files items; other items must stay first.
  std::vector<std::string> captions() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::vector<std::string> out;
    const QList<QAction*> actions = menu.actions();
    EXPECT_GE(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), "Open file to read");
    EXPECT_TRUE(actions[1]->isSeparator());
    for (qsizetype i = 2; i < actions.size(); ++i) {
      auto* item = qobject_cast<TMRUMenuItem*>(actions[i]);
      EXPECT_NE(item, nullptr) << i;
      if (item == nullptr) continue;
      EXPECT_EQ(item->index(), i - 2);
      out.push_back(item->text().toStdString());
    }
    return out;
  }

  testsupport::TempFolder folder;
  std::filesystem::path file;
  QMenu menu;
};

// The list's order, case and limit are RecentFilesList's (hand_over_test),
// the captions recentFileCaption's; here the menu follows the list.
TEST(RecentFilesMenu, TheItemsFollowTheListNewestFirst) {
  MenuRig rig;
  auto mru = rig.component();
  for (const char* path : {"/home/a/Notes.txt", "/home/a/y.txt", "/HOME/A/notes.TXT"})
    mru->add(path);
  EXPECT_EQ(rig.captions(),
            (std::vector<std::string>{"1. /HOME/ ... /notes.TXT", "2. /home/ ... /y.txt"}));
}

TEST(RecentFilesMenu, AnAmpersandShowsAsItselfInTheMenu) {
  MenuRig rig;
  auto mru = rig.component();
  mru->add("/home/ann/Tom & Jerry.txt");
  // Doubled, the ampersand marks no shortcut letter and the menu draws it once.
  const QString text = rig.menu.actions().back()->text();
  EXPECT_TRUE(QKeySequence::mnemonic(text).isEmpty()) << text.toStdString();
  EXPECT_TRUE(QKeySequence::mnemonic(QStringLiteral("Tom & Jerry")).count() == 1)
      << "a single ampersand would mark one";
}

TEST(RecentFilesMenu, BothWindowsListsSurviveARestart) {
  MenuRig rig;
  {
    auto reader = rig.component();
    QMenu quickLaunchMenu;
    auto quickLaunch = std::make_unique<TadpMRU>(RecentFilesStore(rig.file));
    quickLaunch->setParentMenuItem(&quickLaunchMenu);
    for (const char* path : {"/books/a.txt", "/books/b.txt"}) {
      reader->add(path);
      quickLaunch->add(path);
    }
    EXPECT_EQ(quickLaunchMenu.actions().size(), 2);
  }
  auto restarted = rig.component();
  EXPECT_EQ(restarted->entries(), (Paths{"/books/b.txt", "/books/a.txt"}));
  EXPECT_EQ(rig.captions().size(), 2u);
}

TEST(RecentFilesMenu, ChoosingAnItemPassesItsFullPathAndMayMoveItToTheTop) {
  MenuRig rig;
  auto mru = rig.component();
  std::vector<std::string> chosen;
  mru->OnClick = [&](TadpMRU& sender, const std::string& file) {
    chosen.push_back(file);
    sender.add(file); // as QuickLaunch does before opening it
  };
  for (const char* path : {"/home/ann/deep/er/a.txt", "/home/ann/b.txt"})
    mru->add(path);
  rig.menu.actions().back()->trigger(); // the older file, second in the menu
  EXPECT_EQ(chosen, (Paths{"/home/ann/deep/er/a.txt"}));
  EXPECT_EQ(rig.captions(),
            (std::vector<std::string>{"1. /home/ ... /a.txt", "2. /home/ ... /b.txt"}));
}

} // namespace
} // namespace dialogs::testing
