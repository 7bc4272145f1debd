// The timers of the running program, on a precise QTimer, with the contract of
// platform/timer.h. They fire from the Qt event loop of the thread that made
// them. A handler may destroy its own timer.
//
// A timer keeps its own due time: each firing is due one interval after the
// previous one was due, not after the moment its handler happened to run, so
// late wake-ups do not add up. A timer enabled from within another timer's
// handler counts from that timer's due time (the reading loop hands over from
// timer to timer), one enabled from anywhere else from the present moment.
// This is what the virtual clock does, where handlers run exactly when due.
#pragma once

#include <QElapsedTimer>
#include <memory>
#include <optional>

#include "platform/timer.h"

class QTimer;

namespace platform {

// The clock the timers of one factory share, and the due time of the timer
// whose handler is running.
struct QtTimerClock {
  QElapsedTimer elapsed;
  std::optional<std::int64_t> firingDueNs;
  std::int64_t nowNs() const { return elapsed.nsecsElapsed(); }
};

class QtTimer : public Timer {
public:
  explicit QtTimer(std::shared_ptr<QtTimerClock> clock);
  ~QtTimer() override;
  QtTimer(const QtTimer&) = delete;
  QtTimer& operator=(const QtTimer&) = delete;

  bool Enabled() const override { return enabled_; }
  void setEnabled(bool enabled) override;
  int Interval() const override { return interval_; }
  void setInterval(int milliseconds) override;

private:
  void restart();
  void scheduleNext();
  void fire();

  std::shared_ptr<QtTimerClock> clock_;
  QTimer* timer_;
  bool enabled_ = false;
  int interval_ = 1000;
  std::int64_t dueNs_ = 0;
  bool firing_ = false;
  // Cleared when the timer is destroyed, so that fire() knows whether its
  // handler destroyed it.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

class QtTimerFactory : public TimerFactory {
public:
  QtTimerFactory() : clock_(std::make_shared<QtTimerClock>()) { clock_->elapsed.start(); }
  std::unique_ptr<Timer> createTimer() override { return std::make_unique<QtTimer>(clock_); }
  // Milliseconds on the monotonic clock since the factory was made.
  std::int64_t nowMs() const override { return clock_->elapsed.elapsed(); }

private:
  std::shared_ptr<QtTimerClock> clock_;
};

} // namespace platform
