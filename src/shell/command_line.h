// The lumetra program's command line: what to do, on which file, or why the
// words given make no sense. A file to read is checked here, before any
// window exists, so that a bad start ends with one line on stderr.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace shell {

// Exit statuses of the program.
inline constexpr int FileProblemStatus = 1;
inline constexpr int UsageStatus = 2;

struct CommandLine {
  // Read a file; run QuickLaunch (no file: the program as it starts at logon
  // or from the menu); ask the running copy to capture the window in front.
  enum class Action { Read, QuickLaunch, Capture, Timeline, Help, Version, Fail };
  // How QuickLaunch was started, from the first argument (compared
  // case-sensitively): "setup" by the installer, "autorun" at logon.
  enum class Start { Normal, Setup, Autorun };
  Action action = Action::Fail;
  Start start = Start::Normal;
  // --event-log PATH: where the running program writes its events; empty for none.
  std::string eventLog;
  // The file to read (Read).
  std::string file;
  // The words for the timeline, without "--timeline" (Timeline).
  std::vector<std::string> timelineArgs;
  // Fail: the line for stderr, without the program's name, and the status.
  std::string problem;
  int status = 0;
};

// `args` are the words after the program's name.
CommandLine parseCommandLine(const std::vector<std::string>& args);

// The usage text printed by --help.
std::string programUsage();

// Why `path` cannot be read as a document, as the rest of a line
// "lumetra: PATH: ..."; empty when it can be opened. `maxBytes` is the
// largest file the reader holds.
std::string documentFileProblem(const std::string& path, std::uintmax_t maxBytes);

} // namespace shell
