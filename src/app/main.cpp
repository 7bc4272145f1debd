// The lumetra command. The timeline of a file and the version are answered
// here, without the desktop's libraries, so they start at once and need no
// display; everything else is the desktop program's, started in this
// process's place.
#include <iostream>
#include <string>
#include <vector>

#include "shell/desktop_program.h"
#include "shell/timeline.h"
#include "version.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && args[0] == "--version") {
    printVersion();
    return 0;
  }
  if (!args.empty() && args[0] == "--timeline") {
    const std::vector<std::string> timelineArgs(args.begin() + 1, args.end());
    if (!shell::timelineNeedsDesktop(timelineArgs))
      return shell::runTimeline(timelineArgs, std::cout, std::cerr);
  }
  return shell::startDesktopProgram(argv, std::cerr);
}
