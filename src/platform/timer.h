// A timer with the classic contract the reader relies on: while Enabled it
// fires every Interval milliseconds; enabling it, or setting Interval while it
// is enabled, restarts the count; a handler may change any timer, its own
// included. Implementations: QtTimer (the running program) and the timers of
// VirtualClock (tests and the headless runner).
//
// Details both implementations share, as with the classic component:
// - a new timer is disabled, with Interval 1000 and no handler;
// - it runs only while Enabled and Interval > 0 (a negative Interval counts as 0);
// - setting Enabled or Interval to the value it already has changes nothing, in
//   particular it does not restart the count;
// - the next count starts when the timer fires, before OnTimer runs;
// - a handler may destroy its own timer.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace platform {

class Timer {
public:
  virtual ~Timer() = default;

  virtual bool Enabled() const = 0;
  virtual void setEnabled(bool enabled) = 0;
  virtual int Interval() const = 0;
  virtual void setInterval(int milliseconds) = 0;

  // Called on every expiry while enabled.
  std::function<void()> OnTimer;
};

// Makes timers and tells the time on the clock they run on, so that code can
// be driven by real time or by a virtual clock without knowing which.
class TimerFactory {
public:
  virtual ~TimerFactory() = default;
  virtual std::unique_ptr<Timer> createTimer() = 0;
  // Milliseconds since an arbitrary fixed start.
  virtual std::int64_t nowMs() const = 0;
};

} // namespace platform
