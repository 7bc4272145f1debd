#include "platform/xcb/desktop_session.h"

#include <cstdlib>

#include <xcb/xcb.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryFile>
#include <QTimer>
#include <QtGui/qguiapplication_platform.h>

#include <chrono>
#include <thread>

#include "platform/xcb/xcb_desktop.h"

namespace platform {

namespace {

// Qt aborts the program when its X11 platform finds no display, so the
// display is tried first.
std::string x11Problem() {
  const char* display = std::getenv("DISPLAY");
  if (!display || !*display) return "no X11 display (DISPLAY is not set)";
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  const bool broken = xcb_connection_has_error(connection) != 0;
  xcb_disconnect(connection);
  if (broken) return "cannot open the X11 display " + std::string(display);
  return {};
}

// The longest a helper keeps the clipboard.
constexpr int HoldLimitMs = 10 * 60 * 1000;
constexpr int HelperStartMs = 2000;

// argc and argv outlive the application made on them.
std::unique_ptr<QGuiApplication> makeX11Application() {
  static int argc = 3;
  static char name[] = "lumetra", option[] = "-platform", platform[] = "xcb";
  static char* argv[] = {name, option, platform, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

bool clipboardManagerRuns(xcb_connection_t* connection) {
  const auto cookie = xcb_intern_atom(connection, 1, 17, "CLIPBOARD_MANAGER");
  std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
      xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
  if (!atom || atom->atom == XCB_ATOM_NONE) return false;
  std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
      xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom),
                                    nullptr),
      &std::free);
  return owner && owner->owner != XCB_WINDOW_NONE;
}

} // namespace

struct DesktopSession::Parts {
  std::unique_ptr<QGuiApplication> application;
  std::unique_ptr<Desktop> desktop;
};

DesktopSession::DesktopSession() : parts_(std::make_unique<Parts>()) {}

DesktopSession::~DesktopSession() {
  parts_->desktop.reset();
  parts_->application.reset();
}

Desktop& DesktopSession::desktop() {
  return *parts_->desktop;
}

std::unique_ptr<DesktopSession> DesktopSession::open(std::string& problem) {
  std::unique_ptr<DesktopSession> session(new DesktopSession);
  if (!QCoreApplication::instance()) {
    problem = x11Problem();
    if (!problem.empty()) return nullptr;
    // The X11 platform whatever QT_QPA_PLATFORM says: only there are other
    // programs' windows seen.
    session->parts_->application = makeX11Application();
  }
  session->parts_->desktop = makeDesktop();
  if (!session->parts_->desktop->available()) {
    problem = "no X11 display (the program does not run on X11)";
    return nullptr;
  }
  return session;
}

} // namespace platform

namespace platform {

void DesktopSession::keepClipboard(const std::string& executable,
                                   const std::vector<std::string>& arguments) {
  auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
  auto* x11 = app ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!x11 || !QGuiApplication::clipboard()->ownsClipboard()) return;
  if (clipboardManagerRuns(x11->connection())) return; // Qt hands it over on quitting
  const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
  if (!data || data->formats().isEmpty()) return;

  QTemporaryFile file(QDir::tempPath() + "/lumetra-clipboard-XXXXXX");
  file.setAutoRemove(false);
  if (!file.open()) return;
  QDataStream out(&file);
  const QStringList formats = data->formats();
  out << static_cast<qint32>(formats.size());
  for (const QString& format : formats)
    out << format << data->data(format);
  file.close();

  QProcess helper;
  helper.setProgram(QString::fromStdString(executable));
  QStringList words;
  for (const std::string& argument : arguments)
    words << QString::fromStdString(argument);
  helper.setArguments(words << file.fileName());
  helper.setStandardInputFile(QProcess::nullDevice());
  helper.setStandardOutputFile(QProcess::nullDevice());
  helper.setStandardErrorFile(QProcess::nullDevice());
  if (!helper.startDetached()) {
    QFile::remove(file.fileName());
    return;
  }
  desktop().waitUntil([] { return !QGuiApplication::clipboard()->ownsClipboard(); }, HelperStartMs);
}

int holdClipboard(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return 1;
  auto* data = new QMimeData;
  QDataStream in(&file);
  qint32 count = 0;
  in >> count;
  for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
    QString format;
    QByteArray bytes;
    in >> format >> bytes;
    if (in.status() == QDataStream::Ok) data->setData(format, bytes);
  }
  file.remove();
  if (!x11Problem().empty()) {
    delete data;
    return 1;
  }
  std::unique_ptr<QGuiApplication> app = makeX11Application();
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setMimeData(data, QClipboard::Clipboard);
  QObject::connect(clipboard, &QClipboard::changed, app.get(), [clipboard](QClipboard::Mode mode) {
    if (mode == QClipboard::Clipboard && !clipboard->ownsClipboard()) QCoreApplication::quit();
  });
  QTimer::singleShot(HoldLimitMs, app.get(), [] { QCoreApplication::quit(); });
  return app->exec();
}

} // namespace platform
