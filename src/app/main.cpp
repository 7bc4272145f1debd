// The lumetra program: parses the command line and starts the right mode.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "shell/qt/reader_program.h"
#include "shell/timeline.h"

namespace {

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

} // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && args[0] == "--version") {
    std::printf("Lumetra %s\n", LUMETRA_VERSION);
    return 0;
  }
  if (!args.empty() && args[0] == "--timeline")
    return shell::runTimeline(std::vector<std::string>(args.begin() + 1, args.end()), std::cout,
                              std::cerr);
  if (args.size() != 1 || args[0].empty() || args[0][0] == '-') {
    printUsage(stderr);
    return 2;
  }
  if (!displayAvailable()) {
    std::fprintf(stderr, "lumetra: no display found (DISPLAY is not set); the reader window needs "
                         "a desktop session\n");
    return 1;
  }
  return shell::runReaderProgram(argc, argv, args[0]);
}
