#include "shell/qt/quick_launch_window.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "platform/fake_desktop.h"
#include "platform/virtual_clock.h"

namespace shell {
namespace {

QApplication& application() {
  static int argc = 1;
  static char name[] = "quick_launch_window_test";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

struct Item {
  std::string text;
  bool visible;
  bool enabled;
  bool bold;
  bool operator==(const Item&) const = default;
};

void PrintTo(const Item& item, std::ostream* out) {
  *out << "{" << item.text << (item.visible ? " visible" : "") << (item.enabled ? " enabled" : "")
       << (item.bold ? " bold" : "") << "}";
}

std::vector<Item> itemsOf(QMenu& menu) {
  std::vector<Item> items;
  for (QAction* a : menu.actions())
    items.push_back({a->isSeparator() ? "-" : a->text().toStdString(), a->isVisible(),
                     a->isEnabled(), a->font().bold()});
  return items;
}

class QuickLaunchWindowTest : public ::testing::Test {
protected:
  QuickLaunchWindowTest() {
    editor = desktop.addWindow(
        {"notes.txt - Mousepad", "mousepad", "", 500, "mousepad", {{100, 40, 700, 500}, {}}, {}});
    handlers =
        std::make_unique<TfrmQuickLaunch>(desktop, clock, acq, state, window, QuickLaunchHooks{});
    window.setHandlers(handlers.get());
  }
  QApplication& app = application(); // before any widget
  platform::FakeDesktop desktop;
  platform::VirtualClock clock;
  acquisition::AcquisitionState acq;
  QuickLaunchState state;
  QuickLaunchWindow window{QuickLaunchMenuActions{}};
  std::unique_ptr<TfrmQuickLaunch> handlers;
  platform::WindowId editor = 0;
};

TEST_F(QuickLaunchWindowTest, TheTrayMenuAddsLaunchInBoldAndExitAndTheButtonsMenuDoesNot) {
  const std::vector<Item> button = {
      {"Launch Lumetra", false, false, true},
      {"Open file to read", true, true, false},
      {"Recent files", true, false, false},
      {"Options", true, true, false},
      {"Help", true, true, false},
      {"-", true, true, false},
      {"Hide Quick Launch", true, true, false},
      {"Exit", false, false, false}, // a hidden action counts as disabled
  };
  EXPECT_EQ(itemsOf(window.menu()), button) << "at rest";
  window.prepareMenu(false);
  EXPECT_EQ(itemsOf(window.menu()), button) << "from the button";

  std::vector<Item> tray = button;
  tray[0].visible = true;
  tray[7].visible = true;
  tray[7].enabled = true;
  window.prepareMenu(true);
  EXPECT_EQ(itemsOf(window.menu()), tray) << "from the tray without a target";
  window.menuClosed();
  EXPECT_EQ(itemsOf(window.menu()), button) << "closed again";

  desktop.setForeground(editor);
  handlers->startTimers();
  clock.advance(1000);
  window.prepareMenu(true);
  tray[0].enabled = true;
  EXPECT_EQ(itemsOf(window.menu()), tray) << "from the tray with the editor in front";

  // "Hide Quick Launch" swaps for "Show Quick Launch" and back.
  window.menu().actions()[6]->trigger();
  EXPECT_TRUE(acq.QuickLaunchSuspended);
  window.prepareMenu(false);
  EXPECT_EQ(window.menu().actions()[6]->text(), "Show Quick Launch");
  window.menu().actions()[6]->trigger();
  EXPECT_FALSE(acq.QuickLaunchSuspended);
  window.prepareMenu(false);
  EXPECT_EQ(window.menu().actions()[6]->text(), "Hide Quick Launch");
}

TEST_F(QuickLaunchWindowTest, TheButtonIsCutToTheShapeOfItsBitmap) {
  EXPECT_EQ(window.size(), QSize(226, 112));
  const QRegion mask = window.mask();
  ASSERT_FALSE(mask.isEmpty());
  // The shape lies inside the 102 x 17 bitmap and leaves its corner (the key colour) out.
  EXPECT_TRUE(QRect(0, 0, 102, 17).contains(mask.boundingRect()));
  EXPECT_FALSE(mask.contains(QPoint(0, 0)));
  EXPECT_TRUE(mask.contains(QPoint(51, 8))) << "the middle of the pill";
  EXPECT_EQ(window.toolTip(), "");
  EXPECT_FALSE(window.buttonVisible());
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
}

} // namespace
} // namespace shell
