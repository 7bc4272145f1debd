// The one application object the Qt tests of this program share. Made on first
// use, on the offscreen platform unless another one is asked for.
#pragma once

#include <QApplication>

namespace platform::testing {

inline QApplication& qtApp() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "platform_tests";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

} // namespace platform::testing
