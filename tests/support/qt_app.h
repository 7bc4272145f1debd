// The application a Qt test program shares, made on first use (offscreen unless asked).
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
  // Made before the application, Qt's input device list outlives it (the
  // application deletes the synthetic mouse events' pointer device at exit).
  static const qsizetype devicesKnown = QInputDevice::devices().size();
  (void)devicesKnown;
  static QApplication app(argc, argv);
  return app;
}

} // namespace testsupport
