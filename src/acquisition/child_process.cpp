#include "acquisition/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>

extern char** environ;

namespace acquisition {

namespace {

using Clock = std::chrono::steady_clock;

// Closes a descriptor when it goes out of scope.
struct Fd {
  int fd = -1;
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
};

pid_t spawn(const std::vector<std::string>& argv, int outFd) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<char*> args;
  for (const std::string& a : argv)
    args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  pid_t pid = -1;
  const int error = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return error == 0 ? pid : -1;
}

// Reads until end of file, the deadline or the output bound; true at end of file.
bool collect(int fd, Clock::time_point deadline, std::size_t maxBytes, std::string& output) {
  std::array<char, 65536> buffer{};
  for (;;) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return false;
    pollfd p{fd, POLLIN, 0};
    const int ready = ::poll(&p, 1, static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return false;
    const ssize_t n = ::read(fd, buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n == 0;
    if (output.size() + static_cast<std::size_t>(n) > maxBytes) return false;
    output.append(buffer.data(), static_cast<std::size_t>(n));
  }
}

} // namespace

ChildOutcome runProgram(const std::vector<std::string>& argv, const ChildLimits& limits) {
  ChildOutcome outcome;
  if (argv.empty()) return outcome;
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return outcome;
  Fd readEnd{fds[0]};
  pid_t pid = -1;
  {
    Fd writeEnd{fds[1]};
    pid = spawn(argv, writeEnd.fd);
  }
  if (pid < 0) return outcome;
  outcome.started = true;
  const bool atEnd =
      collect(readEnd.fd, Clock::now() + limits.time, limits.maxOutputBytes, outcome.output);
  if (!atEnd) ::kill(pid, SIGKILL);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  outcome.finished = atEnd && WIFEXITED(status);
  if (outcome.finished) outcome.exitStatus = WEXITSTATUS(status);
  return outcome;
}

} // namespace acquisition
