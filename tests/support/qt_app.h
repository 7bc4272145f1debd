// The one application object a Qt test program shares, made on first use, on
// the offscreen platform unless another one is asked for.
#pragma once

#include <QApplication>
#include <QInputDevice>

namespace testsupport {

inline QApplication& qtApp() {
  if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) return *existing;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "lumetra_tests";
  static char* argv[] = {name, nullptr};
  // Qt keeps its input devices in a list of its own; made before the
  // application, it outlives the application, which deletes the pointer
  // device that synthetic mouse events create at exit.
  static const qsizetype devicesKnown = QInputDevice::devices().size();
  (void)devicesKnown;
  static QApplication app(argc, argv);
  return app;
}

} // namespace testsupport
