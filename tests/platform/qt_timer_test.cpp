// The timer contract on real Qt timers. These are the only tests that wait for
// real time; every bound is generous and each test ends within about a second.
#include "platform/qt/qt_timer.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <string>
#include <vector>

#include "qt_app.h"

namespace platform {
namespace {

using testing::qtApp;

// Runs the event loop until `done` holds or `limitMs` pass; returns whether it held.
bool runEventsUntil(const std::function<bool()>& done, int limitMs) {
  QElapsedTimer elapsed;
  elapsed.start();
  while (!done() && elapsed.elapsed() < limitMs)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
  return done();
}

void runEventsFor(int ms) {
  runEventsUntil([] { return false; }, ms);
}

class QtTimerTest : public ::testing::Test {
protected:
  void SetUp() override { qtApp(); }
  QtTimerFactory factory;
};

TEST_F(QtTimerTest, NewTimerIsDisabledWithClassicDefaults) {
  auto timer = factory.createTimer();
  EXPECT_FALSE(timer->Enabled());
  EXPECT_EQ(timer->Interval(), 1000);
}

TEST_F(QtTimerTest, FiresRepeatedlyWhileEnabled) {
  auto timer = factory.createTimer();
  std::vector<std::int64_t> times;
  const std::int64_t start = factory.nowMs();
  timer->setInterval(20);
  timer->OnTimer = [&] { times.push_back(factory.nowMs() - start); };
  timer->setEnabled(true);
  ASSERT_TRUE(runEventsUntil([&] { return times.size() >= 3; }, 2000));
  EXPECT_GE(times[0], 15);
  EXPECT_GE(times[2], 55);
  EXPECT_TRUE(timer->Enabled());
}

TEST_F(QtTimerTest, DisabledOrZeroIntervalTimersStayQuiet) {
  int fired = 0;
  auto disabled = factory.createTimer();
  disabled->setInterval(5);
  disabled->OnTimer = [&] { ++fired; };
  auto zero = factory.createTimer();
  zero->setInterval(0);
  zero->OnTimer = [&] { ++fired; };
  zero->setEnabled(true);
  auto switchedOff = factory.createTimer();
  switchedOff->setInterval(5);
  switchedOff->OnTimer = [&] { ++fired; };
  switchedOff->setEnabled(true);
  switchedOff->setEnabled(false);
  runEventsFor(100);
  EXPECT_EQ(fired, 0);
}

TEST_F(QtTimerTest, EnablingAgainRestartsTheCount) {
  auto timer = factory.createTimer();
  std::int64_t firedAt = -1;
  const std::int64_t start = factory.nowMs();
  timer->setInterval(600);
  timer->OnTimer = [&] {
    firedAt = factory.nowMs() - start;
    timer->setEnabled(false);
  };
  timer->setEnabled(true);
  runEventsFor(200);
  ASSERT_EQ(firedAt, -1);
  timer->setEnabled(false);
  timer->setEnabled(true); // now due about 800 ms after the start, not 600
  ASSERT_TRUE(runEventsUntil([&] { return firedAt >= 0; }, 2000));
  EXPECT_GE(firedAt, 700);
}

TEST_F(QtTimerTest, HandlerChangesItselfAndOtherTimers) {
  std::vector<std::string> order;
  auto driver = factory.createTimer();
  auto late = factory.createTimer();
  auto hurried = factory.createTimer();
  late->setInterval(60);
  late->OnTimer = [&] {
    order.push_back("late");
    late->setEnabled(false);
  };
  hurried->setInterval(1000);
  hurried->OnTimer = [&] {
    order.push_back("hurried");
    hurried->setEnabled(false);
  };
  hurried->setEnabled(true);
  driver->setInterval(10);
  driver->OnTimer = [&] {
    order.push_back("driver");
    driver->setEnabled(false); // switches itself off,
    late->setEnabled(true);    // switches another on,
    hurried->setInterval(20);  // and re-sets a third's interval
  };
  driver->setEnabled(true);
  ASSERT_TRUE(runEventsUntil([&] { return order.size() >= 3; }, 2000));
  runEventsFor(50); // nothing more may fire
  EXPECT_EQ(order, (std::vector<std::string>{"driver", "hurried", "late"}));
}

TEST_F(QtTimerTest, HandlerMayDestroyItsOwnTimer) {
  std::unique_ptr<Timer> timer = factory.createTimer();
  int fired = 0;
  timer->setInterval(5);
  timer->OnTimer = [&] {
    ++fired;
    timer.reset();
  };
  timer->setEnabled(true);
  ASSERT_TRUE(runEventsUntil([&] { return timer == nullptr; }, 2000));
  runEventsFor(50);
  EXPECT_EQ(fired, 1);
}

TEST_F(QtTimerTest, ClockMovesForward) {
  const std::int64_t before = factory.nowMs();
  runEventsFor(30);
  EXPECT_GE(factory.nowMs() - before, 25);
}

} // namespace
} // namespace platform
