// A private X11 session for end-to-end tests: Xvfb on a display it picks, a
// window manager, and programs in process groups of their own with a fresh
// home folder; every process started is ended by its id with the session.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <initializer_list>
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

// A child's exit status within ten seconds, -1000 - its signal, -1 if still running.
int exitStatus(pid_t process);

class X11Session {
public:
  X11Session() = default;
  ~X11Session();
  X11Session(const X11Session&) = delete;
  X11Session& operator=(const X11Session&) = delete;

  // Starts Xvfb and the window manager (jwm has a tray) once the tools a test
  // needs are found; on failure, the reason.
  std::optional<std::string> start(const std::string& windowManager = "jwm",
                                   std::initializer_list<const char*> tools = {});
  const std::string& display() const { return display_; }
  pid_t serverProcess() const { return server_; }
  const std::filesystem::path& home() const { return home_; }

  // Starts a program on the session's display in a process group of its own.
  pid_t launch(const std::vector<std::string>& arguments);
  // Ends the process group of a program started by launch().
  void end(pid_t process);
  // Starts mousepad on the files as a new instance (on a session bus of its
  // own when dbus-run-session is there), `before` (such as sh -c) in front.
  pid_t launchEditor(const std::vector<std::string>& files,
                     const std::vector<std::string>& before = {});

  // Runs a shell command on the display; what it printed, errors left out.
  std::string run(const std::string& command) const;
  // The first window `xdotool search --onlyvisible <what>` finds in time, or "".
  std::string visibleWindow(const std::string& what,
                            std::chrono::milliseconds limit = std::chrono::seconds(15)) const;
  // The numbers xwininfo prints after these labels, -1 for a missing label.
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
