#include "platform/qt/qt_timer.h"

#include <QTimer>
#include <algorithm>

namespace platform {

namespace {

constexpr std::int64_t NsPerMs = 1'000'000;
constexpr std::int64_t StaleHandlerNs = 100 * NsPerMs;

} // namespace

QtTimer::QtTimer(std::shared_ptr<QtTimerClock> clock)
    : clock_(std::move(clock)), timer_(new QTimer) {
  timer_->setTimerType(Qt::PreciseTimer);
  timer_->setSingleShot(true);
  QObject::connect(timer_, &QTimer::timeout, [this] { fire(); });
}

QtTimer::~QtTimer() {
  *alive_ = false;
  timer_->stop();
  QObject::disconnect(timer_, nullptr, nullptr, nullptr);
  // Inside its own handler the QTimer is still emitting: let Qt delete it afterwards.
  if (firing_)
    timer_->deleteLater();
  else
    delete timer_;
}

void QtTimer::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  restart();
}

void QtTimer::setInterval(int milliseconds) {
  milliseconds = std::max(milliseconds, 0);
  if (milliseconds == interval_) return;
  interval_ = milliseconds;
  restart();
}

void QtTimer::restart() {
  if (!enabled_ || interval_ <= 0) {
    timer_->stop();
    return;
  }
  // Inside another timer's handler the count starts at that timer's due time,
  // unless the handler has run so long (a dialog of its own) that the moment
  // it was due is gone.
  const std::int64_t now = clock_->nowNs();
  const std::optional<std::int64_t> firing = clock_->firingDueNs;
  const std::int64_t from = firing && now - *firing <= StaleHandlerNs ? *firing : now;
  dueNs_ = from + interval_ * NsPerMs;
  scheduleNext();
}

void QtTimer::scheduleNext() {
  const std::int64_t now = clock_->nowNs();
  // Far behind (the machine slept, a handler ran for long): count afresh
  // rather than firing a burst to catch up. A wake-up that is late by more
  // than one short interval (a fade step on a busy machine) is not far behind:
  // counting afresh there would add its lateness to every later frame.
  if (dueNs_ < now - std::max(interval_ * NsPerMs, StaleHandlerNs)) dueNs_ = now;
  const std::int64_t waitNs = std::max<std::int64_t>(dueNs_ - now, 0);
  timer_->start(static_cast<int>((waitNs + NsPerMs - 1) / NsPerMs));
}

void QtTimer::fire() {
  const std::shared_ptr<bool> alive = alive_;
  // A copy, so that a handler destroying its own timer stays safe.
  const std::function<void()> handler = OnTimer;
  const std::int64_t due = dueNs_;
  // The next count starts now, from this firing's due time.
  dueNs_ += interval_ * NsPerMs;
  scheduleNext();
  const std::shared_ptr<QtTimerClock> clock = clock_;
  const std::optional<std::int64_t> outer = clock->firingDueNs;
  clock->firingDueNs = due;
  firing_ = true;
  if (handler) handler();
  clock->firingDueNs = outer;
  if (*alive) firing_ = false;
}

} // namespace platform
