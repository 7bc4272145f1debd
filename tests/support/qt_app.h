// The application a Qt test program shares, made on first use (offscreen unless
// asked), and where the tests save their pictures.
#pragma once

#include <QApplication>
#include <QDir>
#include <QInputDevice>

#include <string>

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

// Where a picture named `name` is saved: the screenshots folder under the build folder.
inline QString shotPath(const std::string& name) {
  const QString dir = QString(LUMETRA_BINARY_DIR) + "/screenshots";
  QDir().mkpath(dir);
  return dir + "/" + QString::fromStdString(name) + ".png";
}

} // namespace testsupport
