// The desktop program, lumetra-desktop, lives beside the lumetra command and
// does all that needs Qt's windows, the X11 desktop or the running copy.
#pragma once

#include <ostream>

namespace shell {

inline constexpr const char* DesktopProgramName = "lumetra-desktop";

// Replaces this process with the desktop program, given the same words
// (argv[0] included). Returns only when it cannot start: says why on `err`
// and gives the exit status.
int startDesktopProgram(char** argv, std::ostream& err);

} // namespace shell
