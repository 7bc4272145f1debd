// A private X11 session for end-to-end tests: an Xvfb server on a display
// number the server picks itself, a window manager, and programs started
// on it in process groups of their own, each with a fresh home folder. Nothing
// is left running: every process started is ended by its id when the session
// or the program ends.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

namespace testsupport {

// The full path of a program on PATH, empty when there is none.
std::string findProgram(const std::string& name);

// Runs a shell command and gives what it printed on standard output.
std::string commandOutput(const std::string& command);

// Waits until `done` holds or the time is up, calling `tick` between looks.
bool waitFor(const std::function<bool()>& done, std::chrono::milliseconds limit,
             const std::function<void()>& tick = {});

class X11Session {
public:
  X11Session() = default;
  ~X11Session();
  X11Session(const X11Session&) = delete;
  X11Session& operator=(const X11Session&) = delete;

  // Starts Xvfb and the window manager (jwm, which has a tray, unless told
  // otherwise); on failure gives the reason and leaves nothing running.
  std::optional<std::string> start(const std::string& windowManager = "jwm");
  const std::string& display() const { return display_; }
  pid_t serverProcess() const { return server_; }
  const std::filesystem::path& home() const { return home_; }

  // Starts a program on the session's display in a process group of its own.
  pid_t launch(const std::vector<std::string>& arguments);
  // Ends the process group of a program started by launch().
  void end(pid_t process);

private:
  std::vector<std::string> environment() const;
  pid_t spawn(const std::vector<std::string>& arguments);

  std::filesystem::path home_;
  std::string display_;
  pid_t server_ = 0;
  pid_t windowManager_ = 0;
  std::vector<pid_t> launched_;
};

} // namespace testsupport
