#include "shell/qt/quick_launch_window.h"

#include <gtest/gtest.h>

#include <tuple>

#include "platform/fake_desktop.h"
#include "platform/virtual_clock.h"
#include "support/qt_app.h"

namespace shell {
namespace {

// Visible, enabled, bold.
std::tuple<bool, bool, bool> stateOf(const QAction* a) {
  return {a->isVisible(), a->isEnabled(), a->font().bold()};
}

// From the tray the menu offers Launch (enabled with a target, in bold) and
// Exit; the button's menu neither.
TEST(QuickLaunchWindowTest, TheTrayMenuAddsLaunchInBoldAndExitAndTheButtonsMenuDoesNot) {
  testsupport::qtApp(); // before any widget
  platform::FakeDesktop desktop;
  platform::VirtualClock clock;
  acquisition::AcquisitionState acq;
  QuickLaunchState state;
  QuickLaunchWindow window{QuickLaunchMenuActions{}};
  TfrmQuickLaunch handlers(desktop, clock, acq, state, window, QuickLaunchHooks{});
  window.setHandlers(&handlers);
  const QList<QAction*> items = window.menu().actions();
  QAction *launch = items.front(), *exit = items.back();
  window.prepareMenu(false);
  EXPECT_FALSE(launch->isVisible() || exit->isVisible());
  window.prepareMenu(true);
  EXPECT_TRUE(launch->isVisible() && !launch->isEnabled() && exit->isVisible()) << "no target";
  desktop.setForeground(desktop.addWindow(
      {"notes.txt - Mousepad", "mousepad", "", 500, "mousepad", {{100, 40, 700, 500}, {}}, {}}));
  handlers.startTimers();
  clock.advance(1000);
  window.prepareMenu(true);
  EXPECT_EQ(std::pair(launch->text(), stateOf(launch)),
            std::pair(QString("Launch Lumetra"), std::tuple(true, true, true)));
  EXPECT_EQ(std::pair(exit->text(), stateOf(exit)),
            std::pair(QString("Exit"), std::tuple(true, true, false)));
  window.menuClosed();
  EXPECT_FALSE(launch->isVisible()) << "closed again";
}

} // namespace
} // namespace shell
