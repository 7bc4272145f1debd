// Without an X11 display (here the offscreen platform) the program's desktop
// says it is not available and answers every question like "no window".
#include "platform/xcb/xcb_desktop.h"

#include <gtest/gtest.h>

#include "support/qt_app.h"

namespace platform {
namespace {

TEST(DesktopWithoutX11Test, IsNotAvailableAndHasNoWindowInFront) {
  testsupport::qtApp();
  std::vector<std::unique_ptr<Desktop>> desktops;
  desktops.push_back(makeDesktop());
  desktops.push_back(std::make_unique<XcbDesktop>(nullptr));
  for (const auto& desktop : desktops) {
    EXPECT_FALSE(desktop->available());
    const WindowId front = desktop->foregroundWindow();
    EXPECT_EQ(front, FailedWindow);
    EXPECT_EQ(desktop->processNameOfWindow(front), "null");
    EXPECT_EQ(desktop->windowTitle(0x400001), "");
    EXPECT_FALSE(desktop->isWindowVisible(0x400001));
    EXPECT_FALSE(desktop->switchToWindow(0x400001));
    desktop->sendKeys(KeySequence::SelectCopy); // goes nowhere, and does not fail
    EXPECT_GT(desktop->workArea().width, 0) << "the screen is still known";
  }
}

} // namespace
} // namespace platform
