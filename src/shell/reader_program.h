// The reader program: everything `lumetra FILE` runs. It makes the one copy of
// each state struct, loads the settings file, hands the file over to the
// reader, shows the reader window and, when the window closes, remembers the
// reading position and saves the settings.
#pragma once

#include <string>

namespace shell {

// Runs the reader on `file` until its window closes; returns the exit status.
// A QApplication must exist.
int runReaderProgram(const std::string& file);

} // namespace shell
