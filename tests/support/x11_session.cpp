#include "support/x11_session.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace testsupport {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string findProgram(const std::string& name) {
  std::string path = commandOutput("command -v '" + name + "' 2>/dev/null");
  while (!path.empty() && path.back() == '\n')
    path.pop_back();
  return path.starts_with('/') ? path : std::string();
}

std::string commandOutput(const std::string& command) {
  std::string output;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      output.append(buffer, n);
    ::pclose(pipe);
  }
  return output;
}

bool waitFor(const std::function<bool()>& done, std::chrono::milliseconds limit,
             const std::function<void()>& tick) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    if (tick) tick();
    std::this_thread::sleep_for(10ms);
  }
  return true;
}

int exitStatus(pid_t process) {
  int status = 0;
  if (!waitFor([&] { return ::waitpid(process, &status, WNOHANG) == process; }, 10s)) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1000 - WTERMSIG(status);
}

namespace {

// Ends a process group and collects its leader, giving it two seconds to go quietly.
void endGroup(pid_t leader) {
  if (leader <= 0) return;
  ::kill(-leader, SIGTERM);
  const bool gone = waitFor([&] { return ::waitpid(leader, nullptr, WNOHANG) == leader; }, 2s);
  ::kill(-leader, SIGKILL); // the leader, or what it left behind in its group
  if (!gone) ::waitpid(leader, nullptr, 0);
}

} // namespace

X11Session::~X11Session() {
  for (auto it = launched_.rbegin(); it != launched_.rend(); ++it)
    endGroup(*it);
  endGroup(windowManager_);
  if (server_ > 0) ::kill(server_, SIGCONT); // a test may have stopped it
  endGroup(server_);
  std::error_code ignored;
  if (!home_.empty()) fs::remove_all(home_, ignored);
}

std::vector<std::string> X11Session::environment() const {
  std::vector<std::string> variables;
  for (char** entry = environ; *entry; ++entry) {
    const std::string variable = *entry, name = variable.substr(0, variable.find('='));
    if (name != "DISPLAY" && name != "HOME" && !name.starts_with("XDG_") &&
        name != "DBUS_SESSION_BUS_ADDRESS" && name != "WAYLAND_DISPLAY")
      variables.push_back(variable);
  }
  variables.push_back("DISPLAY=" + display_);
  variables.push_back("HOME=" + home_.string());
  for (const auto& [name, sub] : {std::pair{"XDG_CONFIG_HOME=", "config"},
                                  {"XDG_DATA_HOME=", "data"},
                                  {"XDG_CACHE_HOME=", "cache"},
                                  {"XDG_RUNTIME_DIR=", "runtime"}})
    variables.push_back(name + (home_ / sub).string());
  // No accessibility bus and no settings daemon: faster, and nothing left behind.
  variables.push_back("NO_AT_BRIDGE=1");
  variables.push_back("GSETTINGS_BACKEND=memory");
  return variables;
}

pid_t X11Session::spawn(const std::vector<std::string>& arguments) {
  const std::vector<std::string> variables = environment();
  std::vector<char*> argv, envp;
  for (const auto& a : arguments)
    argv.push_back(const_cast<char*>(a.c_str()));
  for (const auto& v : variables)
    envp.push_back(const_cast<char*>(v.c_str()));
  argv.push_back(nullptr);
  envp.push_back(nullptr);

  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attributes, 0);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  const std::string log = (home_ / (fs::path(arguments[0]).filename().string() + ".log")).string();
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(),
                                   O_WRONLY | O_CREAT | O_APPEND, 0600);
  posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
  pid_t process = 0;
  const int failed =
      ::posix_spawnp(&process, argv[0], &actions, &attributes, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  return failed ? 0 : process;
}

std::optional<std::string> X11Session::start(const std::string& windowManager,
                                             std::initializer_list<const char*> tools) {
  std::vector<std::string> needed{"Xvfb", windowManager, "xprop"};
  needed.insert(needed.end(), tools.begin(), tools.end());
  for (const std::string& tool : needed)
    if (findProgram(tool).empty())
      return tool + " is not installed (scripts/install-deps installs it)";
  char folder[] = "/tmp/lumetra-x11-XXXXXX";
  if (!::mkdtemp(folder)) return std::string("cannot make a temporary home folder");
  home_ = folder;
  for (const char* sub : {"config", "data", "cache", "runtime"})
    fs::create_directories(home_ / sub);
  fs::permissions(home_ / "runtime", fs::perms::owner_all);

  // The server writes its display number to this pipe (inherited: no close-on-exec).
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return std::string("cannot make a pipe");
  server_ = spawn({"Xvfb", "-displayfd", std::to_string(pipeFds[1]), "-screen", "0", "1280x1024x24",
                   "-nolisten", "tcp", "-noreset"});
  ::close(pipeFds[1]);
  std::string number;
  pollfd reader{pipeFds[0], POLLIN, 0};
  char buffer[32];
  ssize_t got = 0;
  while (number.find('\n') == std::string::npos && ::poll(&reader, 1, 10000) > 0 &&
         (got = ::read(pipeFds[0], buffer, sizeof buffer)) > 0)
    number.append(buffer, static_cast<std::size_t>(got));
  ::close(pipeFds[0]);
  if (server_ <= 0 || number.find('\n') == std::string::npos)
    return std::string("Xvfb did not start");
  display_ = ":" + number.substr(0, number.find('\n'));

  windowManager_ = spawn({windowManager});
  const std::string check =
      "DISPLAY=" + display_ + " xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null";
  if (windowManager_ <= 0 ||
      !waitFor([&] { return commandOutput(check).find("window id") != std::string::npos; }, 10s))
    return windowManager + " did not take over the display";
  return std::nullopt;
}

pid_t X11Session::launch(const std::vector<std::string>& arguments) {
  const pid_t process = spawn(arguments);
  if (process > 0) launched_.push_back(process);
  return process;
}

void X11Session::end(pid_t process) {
  const auto it = std::find(launched_.begin(), launched_.end(), process);
  if (it == launched_.end()) return;
  launched_.erase(it);
  endGroup(process);
}

pid_t X11Session::launchEditor(const std::vector<std::string>& files,
                               const std::vector<std::string>& before) {
  std::vector<std::string> command;
  if (const std::string dbus = findProgram("dbus-run-session"); !dbus.empty())
    command = {dbus, "--"};
  command.insert(command.end(), before.begin(), before.end());
  command.push_back(findProgram("mousepad"));
  command.insert(command.end(), files.begin(), files.end());
  return launch(command);
}

std::string X11Session::run(const std::string& command) const {
  return commandOutput("DISPLAY=" + display_ + " " + command + " 2>/dev/null");
}

std::string X11Session::visibleWindow(const std::string& what,
                                      std::chrono::milliseconds limit) const {
  std::string window;
  waitFor([&] { return !(window = run("xdotool search --onlyvisible " + what)).empty(); }, limit);
  return window.substr(0, window.find('\n'));
}

std::vector<int> X11Session::windowInfo(const std::string& window,
                                        const std::vector<std::string>& labels) const {
  const std::string info = run("xwininfo -id " + window);
  std::vector<int> numbers;
  for (const std::string& label : labels) {
    const auto at = info.find(label);
    numbers.push_back(at == std::string::npos ? -1 : std::atoi(info.c_str() + at + label.size()));
  }
  return numbers;
}

} // namespace testsupport
