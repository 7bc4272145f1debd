// The desktop program, lumetra-desktop: reads the whole command line and
// starts the right mode (the lumetra command hands it over all it does not
// do itself).
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "platform/xcb/x11_display.h"
#include "shell/command_line.h"
#include "shell/qt/quick_launch_program.h"
#include "shell/qt/reader_program.h"
#include "shell/qt/timeline_desktop.h"
#include "shell/timeline.h"
#include "version.h"

int main(int argc, char** argv) {
  const shell::CommandLine line =
      shell::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  switch (line.action) {
  case shell::CommandLine::Action::Help:
    std::cout << shell::programUsage();
    return 0;
  case shell::CommandLine::Action::Version:
    printVersion();
    return 0;
  case shell::CommandLine::Action::Timeline: {
    shell::X11TimelineDesktop desktop;
    return shell::runTimeline(line.timelineArgs, std::cout, std::cerr, &desktop);
  }
  case shell::CommandLine::Action::Fail:
    std::cerr << "lumetra: " << line.problem
              << (line.status == shell::UsageStatus ? " (lumetra --help tells more)\n" : "\n");
    return line.status;
  case shell::CommandLine::Action::Capture:
    if (shell::handToRunningCopy("capture")) return 0;
    std::cerr << "lumetra: Quick Launch is not running\n";
    return shell::FileProblemStatus;
  case shell::CommandLine::Action::QuickLaunch:
  case shell::CommandLine::Action::Read:
    break;
  }
  // A file given while a copy runs is read by that copy.
  if (line.action == shell::CommandLine::Action::Read &&
      shell::handToRunningCopy("open " + std::filesystem::absolute(line.file).string()))
    return 0;
  if (const std::string problem = platform::displayProblem(); !problem.empty()) {
    std::cerr << "lumetra: " << problem << "\n";
    return shell::FileProblemStatus;
  }
  if (line.action == shell::CommandLine::Action::QuickLaunch)
    return shell::runQuickLaunchProgram(argc, argv, line);
  return shell::runReaderProgram(argc, argv, line.file, line.eventLog);
}
