// The reader program: everything `lumetra FILE` runs. It makes the one copy of
// each state struct, loads the settings file, hands the file over to the
// reader, shows the reader window and, when the window closes, remembers the
// reading position and saves the settings.
#pragma once

#include <string>

namespace shell {

// Makes the application, runs the reader on `file` until its window closes
// and returns the exit status.
int runReaderProgram(int& argc, char** argv, const std::string& file);

} // namespace shell
