#include "shell/qt/termination.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace shell {

namespace {

// The write end of the pipe of the one TerminationRequests; a signal handler
// can reach nothing else.
volatile std::sig_atomic_t requestPipe = -1;

constexpr int Signals[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void onTerminationSignal(int) {
  const int fd = requestPipe;
  if (fd < 0) return;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
}

} // namespace

TerminationRequests::TerminationRequests(std::function<void()> onRequest)
    : onRequest_(std::move(onRequest)) {
  if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
    char bytes[16];
    while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
    }
    if (onRequest_) onRequest_();
  });
  requestPipe = pipe_[1];
  struct sigaction action = {};
  action.sa_handler = onTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : Signals)
    ::sigaction(signal, &action, nullptr);
}

TerminationRequests::~TerminationRequests() {
  for (int signal : Signals)
    std::signal(signal, SIG_DFL);
  requestPipe = -1;
  notifier_.reset();
  for (int fd : pipe_)
    if (fd >= 0) ::close(fd);
}

} // namespace shell
