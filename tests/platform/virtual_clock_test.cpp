#include "platform/virtual_clock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace platform {
namespace {

// Records which timer fired at what time.
struct Log {
  std::vector<std::pair<std::string, std::int64_t>> events;
  std::vector<std::string> names() const {
    std::vector<std::string> result;
    for (const auto& e : events)
      result.push_back(e.first);
    return result;
  }
};

std::unique_ptr<Timer> makeTimer(VirtualClock& clock, Log& log, const std::string& name,
                                 int interval, bool enabled = true) {
  auto timer = clock.createTimer();
  timer->setInterval(interval);
  timer->OnTimer = [&log, &clock, name] { log.events.emplace_back(name, clock.nowMs()); };
  timer->setEnabled(enabled);
  return timer;
}

TEST(VirtualClockNewTimer, IsDisabledWithClassicDefaults) {
  VirtualClock clock;
  auto timer = clock.createTimer();
  EXPECT_FALSE(timer->Enabled());
  EXPECT_EQ(timer->Interval(), 1000);
  EXPECT_EQ(clock.runningTimerCount(), 0);
  clock.advance(5000); // no handler and not running: nothing happens
  EXPECT_EQ(clock.nowMs(), 5000);
}

TEST(VirtualClockFiring, FiresEveryIntervalWhileEnabled) {
  VirtualClock clock;
  Log log;
  auto timer = makeTimer(clock, log, "a", 30);
  clock.advance(100);
  EXPECT_EQ(log.events, (decltype(log.events){{"a", 30}, {"a", 60}, {"a", 90}}));
  EXPECT_EQ(clock.nowMs(), 100);
  clock.advance(20); // due at 120, included
  EXPECT_EQ(log.events.back(), (std::pair<std::string, std::int64_t>{"a", 120}));
}

TEST(VirtualClockFiring, DueTimersFireInTimeThenCreationOrder) {
  VirtualClock clock;
  Log log;
  auto slow = makeTimer(clock, log, "slow", 20);
  auto fast = makeTimer(clock, log, "fast", 10);
  auto alsoSlow = makeTimer(clock, log, "alsoSlow", 20);
  clock.advance(20);
  EXPECT_EQ(log.names(), (std::vector<std::string>{"fast", "slow", "fast", "alsoSlow"}));
}

TEST(VirtualClockFiring, EqualDueTimesFollowCreationNotEnablingOrder) {
  VirtualClock clock;
  Log log;
  auto first = makeTimer(clock, log, "first", 50, false);
  auto second = makeTimer(clock, log, "second", 50, false);
  second->setEnabled(true);
  first->setEnabled(true);
  clock.advance(50);
  EXPECT_EQ(log.names(), (std::vector<std::string>{"first", "second"}));
}

TEST(VirtualClockFiring, ZeroOrNegativeIntervalNeverFires) {
  VirtualClock clock;
  Log log;
  auto zero = makeTimer(clock, log, "zero", 0);
  auto negative = makeTimer(clock, log, "negative", -5);
  EXPECT_EQ(negative->Interval(), 0);
  clock.advance(10000);
  EXPECT_TRUE(log.events.empty());
  EXPECT_TRUE(zero->Enabled());
  EXPECT_EQ(clock.runningTimerCount(), 0);
  zero->setInterval(100); // now it runs, counting from the change
  clock.advance(100);
  EXPECT_EQ(log.events, (decltype(log.events){{"zero", 10100}}));
}

TEST(VirtualClockRestart, EnablingRestartsTheCount) {
  VirtualClock clock;
  Log log;
  auto timer = makeTimer(clock, log, "a", 100);
  clock.advance(70);
  timer->setEnabled(false);
  clock.advance(10);
  timer->setEnabled(true); // counts from 80
  clock.advance(99);
  EXPECT_TRUE(log.events.empty());
  clock.advance(1);
  EXPECT_EQ(log.events, (decltype(log.events){{"a", 180}}));
}

TEST(VirtualClockRestart, NewIntervalWhileEnabledRestartsTheCount) {
  VirtualClock clock;
  Log log;
  auto timer = makeTimer(clock, log, "a", 100);
  clock.advance(90);
  timer->setInterval(50); // counts from 90
  clock.advance(49);
  EXPECT_TRUE(log.events.empty());
  clock.advance(1);
  EXPECT_EQ(log.events, (decltype(log.events){{"a", 140}}));
}

TEST(VirtualClockRestart, SettingTheSameValueAgainChangesNothing) {
  VirtualClock clock;
  Log log;
  auto timer = makeTimer(clock, log, "a", 100);
  clock.advance(90);
  timer->setInterval(100);
  timer->setEnabled(true);
  clock.advance(10);
  EXPECT_EQ(log.events, (decltype(log.events){{"a", 100}}));
}

TEST(VirtualClockReentrancy, HandlerSwitchesItselfOff) {
  VirtualClock clock;
  Log log;
  auto once = clock.createTimer();
  once->setInterval(10);
  once->OnTimer = [&] {
    log.events.emplace_back("once", clock.nowMs());
    once->setEnabled(false);
  };
  once->setEnabled(true);
  clock.advance(100);
  EXPECT_EQ(log.events, (decltype(log.events){{"once", 10}}));
  EXPECT_FALSE(once->Enabled());
}

TEST(VirtualClockReentrancy, HandlerChangesOtherTimersBeforeTheyFire) {
  VirtualClock clock;
  Log log;
  // "driver" fires at 10 and: switches itself off, re-sets "other"'s interval
  // (due at 10 as well, later in creation order), and switches on "third".
  auto driver = clock.createTimer();
  auto other = makeTimer(clock, log, "other", 10);
  auto third = makeTimer(clock, log, "third", 25, false);
  driver->setInterval(10);
  driver->OnTimer = [&] {
    log.events.emplace_back("driver", clock.nowMs());
    driver->setEnabled(false);
    other->setInterval(30);
    third->setEnabled(true);
  };
  driver->setEnabled(true);
  clock.advance(70);
  EXPECT_EQ(log.events,
            (decltype(log.events){
                {"driver", 10}, {"third", 35}, {"other", 40}, {"third", 60}, {"other", 70}}));
}

TEST(VirtualClockReentrancy, HandlerSettingItsOwnIntervalTakesEffectAtOnce) {
  VirtualClock clock;
  Log log;
  auto timer = clock.createTimer();
  int step = 0;
  timer->setInterval(10);
  timer->OnTimer = [&] {
    log.events.emplace_back("t", clock.nowMs());
    timer->setInterval(++step % 2 ? 50 : 10);
  };
  timer->setEnabled(true);
  clock.advance(130);
  EXPECT_EQ(log.events,
            (decltype(log.events){{"t", 10}, {"t", 60}, {"t", 70}, {"t", 120}, {"t", 130}}));
}

TEST(VirtualClockReentrancy, HandlerDestroysItsOwnTimer) {
  VirtualClock clock;
  Log log;
  std::unique_ptr<Timer> doomed = clock.createTimer();
  auto survivor = makeTimer(clock, log, "survivor", 10);
  std::string captured = "captured by the handler";
  doomed->setInterval(10);
  doomed->OnTimer = [&, captured] {
    doomed.reset();
    log.events.emplace_back(captured, clock.nowMs()); // the handler's own copy is still alive
  };
  doomed->setEnabled(true);
  clock.advance(20);
  EXPECT_EQ(doomed, nullptr);
  EXPECT_EQ(clock.timerCount(), 1);
  EXPECT_EQ(log.events, (decltype(log.events){
                            {"captured by the handler", 10}, {"survivor", 10}, {"survivor", 20}}));
}

TEST(VirtualClockReentrancy, HandlerDestroysATimerDueAtTheSameTime) {
  VirtualClock clock;
  Log log;
  std::unique_ptr<Timer> victim;
  auto killer = clock.createTimer();
  killer->setInterval(10);
  killer->OnTimer = [&] {
    log.events.emplace_back("killer", clock.nowMs());
    victim.reset();
  };
  killer->setEnabled(true);
  victim = makeTimer(clock, log, "victim", 10);
  clock.advance(30);
  EXPECT_EQ(log.names(), (std::vector<std::string>{"killer", "killer", "killer"}));
}

TEST(VirtualClockReentrancy, HandlerMakesANewTimer) {
  VirtualClock clock;
  Log log;
  std::unique_ptr<Timer> child;
  auto parent = clock.createTimer();
  parent->setInterval(10);
  parent->OnTimer = [&] {
    parent->setEnabled(false);
    child = makeTimer(clock, log, "child", 15);
  };
  parent->setEnabled(true);
  clock.advance(40);
  EXPECT_EQ(log.events, (decltype(log.events){{"child", 25}, {"child", 40}}));
}

TEST(VirtualClockReentrancy, NestedAdvanceNeverRunsTimeBackwards) {
  VirtualClock clock;
  Log log;
  auto ticker = makeTimer(clock, log, "ticker", 10);
  auto waiter = clock.createTimer();
  waiter->setInterval(25);
  waiter->OnTimer = [&] {
    waiter->setEnabled(false);
    log.events.emplace_back("wait", clock.nowMs());
    clock.advance(30); // a polling wait inside a handler keeps other timers running
    log.events.emplace_back("waited", clock.nowMs());
  };
  waiter->setEnabled(true);
  clock.advance(40);
  EXPECT_EQ(log.events, (decltype(log.events){{"ticker", 10},
                                              {"ticker", 20},
                                              {"wait", 25},
                                              {"ticker", 30},
                                              {"ticker", 40},
                                              {"ticker", 50},
                                              {"waited", 55}}));
  EXPECT_EQ(clock.nowMs(), 55);
}

TEST(VirtualClockRunUntil, StopsAtTheFiringThatMeetsTheCondition) {
  VirtualClock clock;
  auto timer = clock.createTimer();
  int ticks = 0;
  timer->setInterval(7);
  timer->OnTimer = [&] { ++ticks; };
  timer->setEnabled(true);
  EXPECT_TRUE(clock.runUntil([&] { return ticks == 3; }, 1000));
  EXPECT_EQ(clock.nowMs(), 21);
}

TEST(VirtualClockRunUntil, GivesUpAtTheLimit) {
  VirtualClock clock;
  auto timer = clock.createTimer();
  int ticks = 0;
  timer->setInterval(7);
  timer->OnTimer = [&] { ++ticks; };
  timer->setEnabled(true);
  EXPECT_FALSE(clock.runUntil([&] { return ticks == 100; }, 50));
  EXPECT_EQ(clock.nowMs(), 50);
  EXPECT_EQ(ticks, 7);
}

TEST(VirtualClockRunUntil, ConditionAlreadyTrueDoesNotMoveTime) {
  VirtualClock clock;
  EXPECT_TRUE(clock.runUntil([] { return true; }, 50));
  EXPECT_EQ(clock.nowMs(), 0);
}

TEST(VirtualClockRunUntil, NoTimersRunsToTheLimit) {
  VirtualClock clock;
  EXPECT_FALSE(clock.runUntil([] { return false; }, 50));
  EXPECT_EQ(clock.nowMs(), 50);
}

TEST(VirtualClockNextDue, ReportsTheEarliestRunningTimer) {
  VirtualClock clock;
  Log log;
  EXPECT_EQ(clock.nextDueMs(), std::nullopt);
  auto a = makeTimer(clock, log, "a", 40);
  auto b = makeTimer(clock, log, "b", 15);
  auto c = makeTimer(clock, log, "c", 5, false);
  EXPECT_EQ(clock.nextDueMs(), 15);
  b->setEnabled(false);
  EXPECT_EQ(clock.nextDueMs(), 40);
}

TEST(VirtualClockLifetime, TimerOutlivingTheClockStaysUsable) {
  std::unique_ptr<Timer> timer;
  {
    VirtualClock clock;
    timer = clock.createTimer();
  }
  timer->setInterval(5);
  timer->setEnabled(true);
  EXPECT_TRUE(timer->Enabled());
  EXPECT_EQ(timer->Interval(), 5);
}

} // namespace
} // namespace platform
