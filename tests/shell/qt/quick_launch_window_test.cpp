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

// Which items each menu offers is QuickLaunchTest.TheTrayMenuAloneOffersLaunchAndExit;
// here the window's menu follows it, and Launch is bold.
TEST_F(QuickLaunchWindowTest, TheTrayMenuAddsLaunchInBoldAndExitAndTheButtonsMenuDoesNot) {
  const auto launchAndExit = [&] {
    const std::vector<Item> items = itemsOf(window.menu());
    return std::pair{items.front(), items.back()};
  };
  window.prepareMenu(false);
  EXPECT_FALSE(launchAndExit().first.visible);
  EXPECT_FALSE(launchAndExit().second.visible);
  desktop.setForeground(editor);
  handlers->startTimers();
  clock.advance(1000);
  window.prepareMenu(true);
  EXPECT_EQ(launchAndExit().first, (Item{"Launch Lumetra", true, true, true}));
  EXPECT_EQ(launchAndExit().second, (Item{"Exit", true, true, false}));
  window.menuClosed();
  EXPECT_FALSE(launchAndExit().first.visible) << "closed again";

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
  const QRegion mask = window.mask();
  ASSERT_FALSE(mask.isEmpty());
  // The shape lies inside the 102 x 17 bitmap and leaves its corner (the key colour) out.
  EXPECT_TRUE(QRect(0, 0, 102, 17).contains(mask.boundingRect()));
  EXPECT_FALSE(mask.contains(QPoint(0, 0)));
  EXPECT_TRUE(mask.contains(QPoint(51, 8))) << "the middle of the pill";
  EXPECT_FALSE(window.buttonVisible());
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
}

} // namespace
} // namespace shell
