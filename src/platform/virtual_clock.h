// A clock whose time moves only when asked, and the timers that run on it.
// Tests and the headless runner drive timer code with it: advance(ms) fires
// every timer that falls due on the way, in order of due time and, for equal
// due times, in the order the timers were made. Nothing sleeps.
//
// Handlers may change any timer (their own included), make or destroy timers
// and even advance the clock again; time never runs backwards. Timers may
// outlive the clock (they then simply never fire); a handler must not destroy
// the clock itself.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "platform/timer.h"

namespace platform {

class VirtualClock : public TimerFactory {
public:
  VirtualClock();
  ~VirtualClock() override;
  VirtualClock(const VirtualClock&) = delete;
  VirtualClock& operator=(const VirtualClock&) = delete;

  std::unique_ptr<Timer> createTimer() override;
  std::int64_t nowMs() const override;

  // Moves time forward by `ms` (negative counts as 0), firing every timer that
  // falls due up to and including the new time.
  void advance(std::int64_t ms);

  // Fires timers in due order until `done` holds (checked first and after every
  // firing) or `limitMs` have passed. Returns whether `done` held. Time stops at
  // the firing that satisfied `done`, or at the limit.
  bool runUntil(const std::function<bool()>& done, std::int64_t limitMs);

  // The time the next timer falls due, if any timer is running.
  std::optional<std::int64_t> nextDueMs() const;

  struct State;

private:
  // Fires the earliest timer due no later than `limit`; false when there is none.
  bool fireNext(std::int64_t limit);

  std::shared_ptr<State> state_;
};

} // namespace platform
