#include "platform/virtual_clock.h"

#include <algorithm>
#include <vector>

namespace platform {

namespace {
class VirtualTimer;
}

struct VirtualClock::State {
  std::int64_t now = 0;
  std::uint64_t nextSerial = 0;
  // Every living timer of the clock; a timer removes itself when destroyed.
  std::vector<VirtualTimer*> timers;
};

namespace {

class VirtualTimer : public Timer {
public:
  explicit VirtualTimer(std::shared_ptr<VirtualClock::State> state)
      : state_(std::move(state)), serial_(state_->nextSerial++) {
    state_->timers.push_back(this);
  }

  ~VirtualTimer() override { std::erase(state_->timers, this); }

  bool Enabled() const override { return enabled_; }

  void setEnabled(bool enabled) override {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    restart();
  }

  int Interval() const override { return interval_; }

  void setInterval(int milliseconds) override {
    milliseconds = std::max(milliseconds, 0);
    if (milliseconds == interval_) return;
    interval_ = milliseconds;
    restart();
  }

  bool running() const { return enabled_ && interval_ > 0; }
  std::int64_t due() const { return due_; }
  std::uint64_t serial() const { return serial_; }

  // Called by the clock when the timer falls due: the next count starts now,
  // before the handler runs, so that the handler's own changes take the lead.
  void fire() {
    due_ = state_->now + interval_;
    // A copy, so that a handler destroying its own timer stays safe.
    std::function<void()> handler = OnTimer;
    if (handler) handler();
  }

private:
  void restart() { due_ = state_->now + interval_; }

  std::shared_ptr<VirtualClock::State> state_;
  std::uint64_t serial_;
  bool enabled_ = false;
  int interval_ = 1000;
  std::int64_t due_ = 0;
};

bool earlier(const VirtualTimer* a, const VirtualTimer* b) {
  if (a->due() != b->due()) return a->due() < b->due();
  return a->serial() < b->serial();
}

} // namespace

VirtualClock::VirtualClock() : state_(std::make_shared<State>()) {}

VirtualClock::~VirtualClock() = default;

std::unique_ptr<Timer> VirtualClock::createTimer() {
  return std::make_unique<VirtualTimer>(state_);
}

std::int64_t VirtualClock::nowMs() const {
  return state_->now;
}

std::optional<std::int64_t> VirtualClock::nextDueMs() const {
  const VirtualTimer* next = nullptr;
  for (const VirtualTimer* timer : state_->timers)
    if (timer->running() && (!next || earlier(timer, next))) next = timer;
  if (!next) return std::nullopt;
  return next->due();
}

bool VirtualClock::fireNext(std::int64_t limit) {
  VirtualTimer* next = nullptr;
  for (VirtualTimer* timer : state_->timers)
    if (timer->running() && (!next || earlier(timer, next))) next = timer;
  if (!next || next->due() > limit) return false;
  // A nested advance may already have moved time past this timer's due time.
  state_->now = std::max(state_->now, next->due());
  next->fire();
  return true;
}

void VirtualClock::advance(std::int64_t ms) {
  const std::int64_t target = state_->now + std::max<std::int64_t>(ms, 0);
  while (fireNext(target)) {
  }
  state_->now = std::max(state_->now, target);
}

bool VirtualClock::runUntil(const std::function<bool()>& done, std::int64_t limitMs) {
  const std::int64_t limit = state_->now + std::max<std::int64_t>(limitMs, 0);
  if (done()) return true;
  while (fireNext(limit))
    if (done()) return true;
  state_->now = std::max(state_->now, limit);
  return done();
}

} // namespace platform
