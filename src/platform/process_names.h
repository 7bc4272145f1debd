// The name of a running program's executable, read from the process file
// system: the file name of the link target of /proc/PID/exe (without the
// " (deleted)" mark of an executable replaced since it started); when that
// link cannot be read (another user's process), the file name of the first
// word of /proc/PID/cmdline; else /proc/PID/comm. Empty when the process is
// gone or nothing can be read. The name is given as the system has it (case
// kept, no extension removed: executables here carry none).
#pragma once

#include <filesystem>
#include <string>

namespace platform {

std::string executableNameOfProcess(int processId, const std::filesystem::path& procRoot = "/proc");

} // namespace platform
