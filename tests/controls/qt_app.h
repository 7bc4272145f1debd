// The one application object the Qt tests of the controls share, made on
// first use, on the offscreen platform unless another one is asked for.
#pragma once

#include <QApplication>
#include <QInputDevice>

namespace controls::testing {

inline QApplication& qtApp() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "controls_tests";
  static char* argv[] = {name, nullptr};
  // Qt keeps its input devices in a list of its own; made before the
  // application, it outlives the application, which deletes the pointer
  // device that synthetic mouse events create at exit.
  static const qsizetype devicesKnown = QInputDevice::devices().size();
  (void)devicesKnown;
  static QApplication app(argc, argv);
  return app;
}

} // namespace controls::testing
