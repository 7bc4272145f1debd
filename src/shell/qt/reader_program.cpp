#include "shell/qt/reader_program.h"

#include <QApplication>

#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_message_boxes.h"
#include "shell/qt/reader_session.h"
#include "shell/qt/termination.h"

namespace shell {

int runReaderProgram(int& argc, char** argv, const std::string& file, const std::string& eventLog) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Lumetra");
  platform::QtMessageBoxes messages;
  platform::QtDesktop desktop;
  EventLog log(eventLog);
  acquisition::AcquisitionState acquisition;
  ReaderSession session(desktop, messages, log, acquisition);
  if (!session.openFile(file)) return 1;
  // Asked to end by a signal or by the session: closed as by the user, so
  // that the position and the settings are saved.
  TerminationRequests termination([&session] { session.closeReader(); });
  QObject::connect(&app, &QCoreApplication::aboutToQuit, [&session] { session.closeReader(); });
  session.showReader();
  return QApplication::exec();
}

} // namespace shell
