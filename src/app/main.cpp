// The lumetra program: parses the command line and starts the right mode.
#include <QApplication>
#include <QPlainTextEdit>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_text.h"

namespace {

constexpr const char* MissingFileMessage =
    "Please check if the specified file exists on your harddisk !";

void printUsage(std::FILE* to) {
  std::fprintf(to, "usage: lumetra FILE\n"
                   "       lumetra --timeline [options] FILE\n"
                   "       lumetra --version\n");
}

// Qt aborts when the chosen platform plugin finds no display; find out first
// so that the program can say so and exit cleanly.
bool displayAvailable() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform && *platform && std::string(platform).rfind("xcb", 0) != 0 &&
      std::string(platform).rfind("wayland", 0) != 0)
    return true; // offscreen, minimal, vnc ...: no display needed
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x11 && *x11) || (wayland && *wayland);
}

int runWindow(int argc, char** argv, const std::string& file) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Lumetra");
  platform::QtMessageBoxes boxes;
  std::string text;
  try {
    text = platform::decodeIncomingText(platform::readWholeFile(file));
  } catch (const platform::FileError& error) {
    std::fprintf(stderr, "lumetra: %s\n", error.what());
    boxes.error(MissingFileMessage);
    return 1;
  }
  for (char& c : text)
    if (c == '\r') c = '\n';
  QPlainTextEdit window;
  window.setWindowTitle("Lumetra");
  window.setWindowFlag(Qt::WindowStaysOnTopHint);
  window.setReadOnly(true);
  window.setPlainText(platform::toQString(text));
  window.resize(613, 696);
  window.show();
  return app.exec();
}

} // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && args[0] == "--version") {
    std::printf("Lumetra %s\n", LUMETRA_VERSION);
    return 0;
  }
  if (args.size() != 1 || args[0].empty() || args[0][0] == '-') {
    printUsage(stderr);
    return 2;
  }
  if (!displayAvailable()) {
    std::fprintf(stderr, "lumetra: no display found (DISPLAY is not set); the reader window needs "
                         "a desktop session\n");
    return 1;
  }
  return runWindow(argc, argv, args[0]);
}
