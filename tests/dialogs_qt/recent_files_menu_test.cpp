#include "dialogs/qt/adp_mru.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMenu>

#include <memory>
#include <string>
#include <vector>

#include "support/qt_app.h"
#include "support/temp_folder.h"

namespace dialogs::testing {
namespace {

using Paths = std::vector<std::string>;

struct MenuRig {
  MenuRig() {
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

  QApplication& app = testsupport::qtApp(); // before the menu
  testsupport::TempFolder folder{"lumetra-mru-menu"};
  std::filesystem::path file = recentFilesStorePath(folder.path());
  QMenu menu;
};

// The menu follows the list (whose rules hand_over_test checks), a doubled
// ampersand marks no shortcut, and two lists in one store survive a restart.
TEST(RecentFilesMenu, TheItemsFollowTheListNewestFirstAndSurviveARestart) {
  MenuRig rig;
  {
    auto reader = rig.component();
    QMenu quickLaunchMenu;
    auto quickLaunch = std::make_unique<TadpMRU>(RecentFilesStore(rig.file));
    quickLaunch->setParentMenuItem(&quickLaunchMenu);
    for (const char* path :
         {"/home/a/Notes.txt", "/home/a/y.txt", "/HOME/A/notes.TXT", "/a/T & J"}) {
      reader->add(path);
      quickLaunch->add(path);
    }
    EXPECT_EQ(rig.captions(),
              (std::vector<std::string>{"1. /a/ ... /T && J", "2. /HOME/ ... /notes.TXT",
                                        "3. /home/ ... /y.txt"}));
    EXPECT_EQ(quickLaunchMenu.actions().size(), 3);
  }
  auto restarted = rig.component();
  EXPECT_EQ(restarted->entries(), (Paths{"/a/T & J", "/HOME/A/notes.TXT", "/home/a/y.txt"}));
  EXPECT_EQ(rig.captions().size(), 3u);
}

} // namespace
} // namespace dialogs::testing
