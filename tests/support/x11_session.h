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

// Waits up to ten seconds for a child process to end: its exit status,
// -1000 - the signal that ended it, or -1 when it is still running.
int exitStatus(pid_t process);

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
  // Starts mousepad on the files, on a session bus of its own when
  // dbus-run-session is installed (so that it is a new instance), with
  // `before` (a wrapper such as sh -c) put in front of it.
  pid_t launchEditor(const std::vector<std::string>& files,
                     const std::vector<std::string>& before = {});

  // Runs a shell command on the session's display; what it printed, its
  // errors left out.
  std::string run(const std::string& command) const;
  // The first window `xdotool search --onlyvisible <what>` finds within the
  // limit, empty when none shows.
  std::string visibleWindow(const std::string& what,
                            std::chrono::milliseconds limit = std::chrono::seconds(15)) const;
  // The numbers xwininfo prints after these labels for a window, -1 for a
  // label it does not print.
  std::vector<int> windowInfo(const std::string& window,
                              const std::vector<std::string>& labels) const;

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
