// The program as it starts with no file: the one running copy per session,
// with QuickLaunch as its main window. Before any window exists it takes the
// instance lock; a second copy leaves the marker file for the first and ends.
// The running copy adds the tray icon, grabs Ctrl+Space, listens on the
// instance socket, shows its balloon (not when started with "autorun"), runs
// the welcome wizard first when started with "setup", loads the settings,
// and at the end saves them and removes the marker file.
#pragma once

#include <string>

#include "shell/command_line.h"
#include "shell/event_log.h"
#include "shell/quick_launch.h"

namespace shell {

// `lumetra`, `lumetra setup`, `lumetra autorun`: returns the exit status.
int runQuickLaunchProgram(int& argc, char** argv, const CommandLine& line);

// `lumetra --capture`, and `lumetra FILE` while a copy runs: hands the request
// to the running copy. False when no copy answers.
bool handToRunningCopy(const std::string& requestLine);

} // namespace shell
