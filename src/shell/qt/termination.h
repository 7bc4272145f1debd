// Turns SIGTERM, SIGINT and SIGHUP into a call on the Qt event loop, so that
// a program asked to end (by `kill`, Ctrl+C in its terminal, the terminal
// closing, the session ending) closes its window the way the user would and
// saves what a close saves. The signal handler only writes a byte to a pipe.
#pragma once

#include <functional>
#include <memory>

class QSocketNotifier;

namespace shell {

class TerminationRequests {
public:
  // `onRequest` runs on the event loop once per signal received. One
  // instance at a time; the signals' handling is put back on destruction.
  explicit TerminationRequests(std::function<void()> onRequest);
  ~TerminationRequests();
  TerminationRequests(const TerminationRequests&) = delete;
  TerminationRequests& operator=(const TerminationRequests&) = delete;

private:
  std::function<void()> onRequest_;
  int pipe_[2] = {-1, -1};
  std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace shell
