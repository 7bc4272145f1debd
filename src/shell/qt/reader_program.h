// The reader program: everything `lumetra FILE` runs. It hands the file to
// the reader session and shows the reader window until it closes.
#pragma once

#include <string>

namespace shell {

// Makes the application, runs the reader on `file` until its window closes
// and returns the exit status. `eventLog` is where the frames shown and the
// document read are logged (empty for no log).
int runReaderProgram(int& argc, char** argv, const std::string& file, const std::string& eventLog);

} // namespace shell
