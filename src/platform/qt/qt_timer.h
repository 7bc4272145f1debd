// The timers of the running program, on a precise QTimer, with the contract of
// platform/timer.h. They fire from the Qt event loop of the thread that made
// them. A handler may destroy its own timer.
#pragma once

#include <QElapsedTimer>
#include <memory>

#include "platform/timer.h"

class QTimer;

namespace platform {

class QtTimer : public Timer {
public:
  QtTimer();
  ~QtTimer() override;
  QtTimer(const QtTimer&) = delete;
  QtTimer& operator=(const QtTimer&) = delete;

  bool Enabled() const override { return enabled_; }
  void setEnabled(bool enabled) override;
  int Interval() const override { return interval_; }
  void setInterval(int milliseconds) override;

private:
  void restart();
  void fire();

  QTimer* timer_;
  bool enabled_ = false;
  int interval_ = 1000;
  bool firing_ = false;
  // Cleared when the timer is destroyed, so that fire() knows whether its
  // handler destroyed it.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

class QtTimerFactory : public TimerFactory {
public:
  QtTimerFactory() { clock_.start(); }
  std::unique_ptr<Timer> createTimer() override { return std::make_unique<QtTimer>(); }
  // Milliseconds on the monotonic clock since the factory was made.
  std::int64_t nowMs() const override { return clock_.elapsed(); }

private:
  QElapsedTimer clock_;
};

} // namespace platform
