#include "platform/virtual_clock.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "platform/qt/qt_timer.h"
#include "support/qt_app.h"

namespace platform {
namespace {

class VirtualClockTest : public ::testing::Test {
protected:
  // A timer that, when it fires, runs `also` and then logs "name@time ".
  std::unique_ptr<Timer> make(const std::string& name, int interval, bool enabled = true,
                              std::function<void()> also = {}) {
    auto timer = clock.createTimer();
    timer->setInterval(interval);
    timer->OnTimer = [this, name, also] {
      if (also) also();
      log += name + "@" + std::to_string(clock.nowMs()) + " ";
    };
    timer->setEnabled(enabled);
    return timer;
  }

  VirtualClock clock;
  std::string log;
};

TEST_F(VirtualClockTest, FiresEveryIntervalOnlyWhileEnabledWithAPositiveInterval) {
  auto idle = clock.createTimer();
  EXPECT_FALSE(idle->Enabled());
  EXPECT_EQ(idle->Interval(), 1000);
  auto timer = make("a", 30);
  auto zero = make("zero", 0);
  EXPECT_EQ(make("negative", -5)->Interval(), 0);
  clock.advance(100);
  EXPECT_EQ(log, "a@30 a@60 a@90 ");
  clock.advance(20);     // due at 120, included
  zero->setInterval(45); // now it runs, counting from the change
  clock.advance(45);
  EXPECT_EQ(log, "a@30 a@60 a@90 a@120 a@150 zero@165 ");
}

TEST_F(VirtualClockTest, DueTimersFireInTimeThenCreationNotEnablingOrder) {
  auto early = make("early", 20, false);
  auto slow = make("slow", 20);
  auto fast = make("fast", 10);
  early->setEnabled(true);
  clock.advance(20);
  EXPECT_EQ(log, "fast@10 early@20 slow@20 fast@20 ");
}

TEST_F(VirtualClockTest, EnablingOrANewIntervalRestartsTheCountTheSameValueDoesNot) {
  auto reenabled = make("reenabled", 100), shortened = make("shortened", 100);
  auto same = make("same", 100);
  clock.advance(90);
  reenabled->setEnabled(false);
  reenabled->setEnabled(true);
  shortened->setInterval(50);
  same->setInterval(100);
  same->setEnabled(true);
  clock.advance(100);
  EXPECT_EQ(log, "same@100 shortened@140 reenabled@190 shortened@190 ");
}

TEST_F(VirtualClockTest, HandlerSwitchesItselfOffResetsAnotherAndSwitchesOnAThird) {
  // "driver" changes "other" (due at 10 as well, later in creation order) before it fires.
  std::unique_ptr<Timer> driver, other, third;
  driver = make("driver", 10, true, [&] {
    driver->setEnabled(false);
    other->setInterval(30);
    third->setEnabled(true);
  });
  other = make("other", 10);
  third = make("third", 25, false);
  clock.advance(70);
  EXPECT_EQ(log, "driver@10 third@35 other@40 third@60 other@70 ");
}

TEST_F(VirtualClockTest, HandlerSettingItsOwnIntervalTakesEffectAtOnce) {
  int step = 0;
  std::unique_ptr<Timer> timer;
  timer = make("t", 10, true, [&] { timer->setInterval(++step % 2 ? 50 : 10); });
  clock.advance(130);
  EXPECT_EQ(log, "t@10 t@60 t@70 t@120 t@130 ");
}

TEST_F(VirtualClockTest, HandlersDestroyAndMakeTimers) {
  std::unique_ptr<Timer> doomed, killer, victim, child, survivor;
  // The handler logs from its own captured name after its timer is gone.
  doomed = make("doomed", 10, true, [&] { doomed.reset(); });
  killer = make("killer", 15, true, [&] {
    victim.reset(); // due at the same time, later in creation order
    if (!child) child = make("child", 20);
  });
  victim = make("victim", 15);
  survivor = make("survivor", 20);
  clock.advance(60);
  EXPECT_EQ(doomed, nullptr);
  EXPECT_EQ(log, "doomed@10 killer@15 survivor@20 killer@30 child@35 survivor@40 killer@45 "
                 "child@55 killer@60 survivor@60 ");
}

TEST_F(VirtualClockTest, NestedAdvanceNeverRunsTimeBackwards) {
  auto ticker = make("ticker", 10);
  std::unique_ptr<Timer> waiter;
  waiter = make("waited", 25, true, [&] {
    waiter->setEnabled(false);
    log += "wait ";
    clock.advance(30); // a polling wait inside a handler keeps other timers running
  });
  clock.advance(40);
  EXPECT_EQ(log, "ticker@10 ticker@20 wait ticker@30 ticker@40 ticker@50 waited@55 ");
  EXPECT_EQ(clock.nowMs(), 55);
}

TEST_F(VirtualClockTest, RunUntilStopsAtTheFiringThatMeetsTheConditionOrAtTheLimit) {
  EXPECT_TRUE(clock.runUntil([] { return true; }, 50)); // already met: time stands still
  EXPECT_EQ(clock.nowMs(), 0);
  EXPECT_FALSE(clock.runUntil([] { return false; }, 50)); // no timer: on to the limit
  EXPECT_EQ(clock.nowMs(), 50);
  int ticks = 0;
  auto timer = make("t", 7, true, [&] { ++ticks; });
  EXPECT_TRUE(clock.runUntil([&] { return ticks == 3; }, 1000));
  EXPECT_EQ(clock.nowMs(), 71);
  EXPECT_FALSE(clock.runUntil([&] { return ticks == 100; }, 50));
  EXPECT_EQ(clock.nowMs(), 121);
  EXPECT_EQ(ticks, 10);
}

TEST(VirtualClockLifetime, TimerOutlivingTheClockStaysUsable) {
  std::unique_ptr<Timer> timer = VirtualClock().createTimer();
  timer->setInterval(5);
  timer->setEnabled(true);
  EXPECT_TRUE(timer->Enabled());
}

// On a real Qt timer only what the reading pace needs: a short timer woken late
// catches up at once instead of adding the lateness to every later firing.
TEST(QtTimerTest, AShortTimerWokenLateCatchesUpInsteadOfDrifting) {
  testsupport::qtApp();
  QtTimerFactory factory;
  const std::int64_t start = factory.nowMs();
  std::vector<std::int64_t> times; // of each firing since the start
  std::unique_ptr<Timer> step = factory.createTimer();
  step->setInterval(10);
  step->OnTimer = [&] {
    times.push_back(factory.nowMs() - start);
    if (times.size() == 1) std::this_thread::sleep_for(std::chrono::milliseconds(60));
    if (times.size() == 10) step->setEnabled(false);
  };
  step->setEnabled(true);
  QElapsedTimer elapsed;
  elapsed.start();
  while (times.size() < 10 && elapsed.elapsed() < 2000)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
  ASSERT_EQ(times.size(), 10u);
  // Due at 100 ms; counting afresh after the late wake-up gives 150 or more.
  EXPECT_LT(times[9], 140);
}

} // namespace
} // namespace platform
