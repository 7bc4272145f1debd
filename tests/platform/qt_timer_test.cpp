// The timer contract on real Qt timers; the virtual clock's tests cover it in
// full. These are the only tests that wait for real time; every bound is
// generous and each test ends within about a second.
#include "platform/qt/qt_timer.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <string>
#include <vector>

#include "support/qt_app.h"

namespace platform {
namespace {

class QtTimerTest : public ::testing::Test {
protected:
  void SetUp() override {
    testsupport::qtApp();
    start = factory.nowMs();
  }

  // A timer that, when it fires, logs its name and the time since the test
  // began, then runs `also`.
  std::unique_ptr<Timer> make(const std::string& name, int interval, bool enabled = true,
                              std::function<void()> also = {}) {
    auto timer = factory.createTimer();
    timer->setInterval(interval);
    timer->OnTimer = [this, name, also] {
      order.push_back(name);
      times.push_back(factory.nowMs() - start);
      if (also) also();
    };
    timer->setEnabled(enabled);
    return timer;
  }
  // Runs the event loop until `done` holds or `limitMs` pass; returns whether it held.
  bool runEventsUntil(const std::function<bool()>& done, int limitMs) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done() && elapsed.elapsed() < limitMs)
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    return done();
  }

  QtTimerFactory factory;
  std::int64_t start = 0;
  std::vector<std::string> order;
  std::vector<std::int64_t> times;
};

TEST_F(QtTimerTest, FiresRepeatedlyAndEnablingAgainRestartsTheCount) {
  std::unique_ptr<Timer> repeating = make("repeating", 20), restarted;
  restarted = make("restarted", 400, true, [&] { restarted->setEnabled(false); });
  ASSERT_TRUE(runEventsUntil([&] { return order.size() >= 3; }, 2000));
  EXPECT_GE(times[2], 55);
  repeating.reset();
  runEventsUntil([] { return false; }, 200);
  ASSERT_EQ(order.back(), "repeating");
  restarted->setEnabled(false);
  restarted->setEnabled(true); // now due about 660 ms after the start, not 400
  ASSERT_TRUE(runEventsUntil([&] { return order.back() == "restarted"; }, 2000));
  EXPECT_GE(times.back(), 500);
}

TEST_F(QtTimerTest, HandlersChangeOrDestroyTimersWhileQuietTimersStayQuiet) {
  // Never firing: a zero interval, a timer never enabled, one switched off again.
  auto zero = make("quiet", 0), never = make("quiet", 5, false), off = make("quiet", 5);
  off->setEnabled(false);
  std::unique_ptr<Timer> driver, late, hurried;
  late = make("late", 60, false, [&] { late.reset(); }); // destroys its own timer
  hurried = make("hurried", 1000, true, [&] { hurried->setEnabled(false); });
  driver = make("driver", 10, true, [&] {
    driver->setEnabled(false); // switches itself off,
    late->setEnabled(true);    // switches another on,
    hurried->setInterval(20);  // and re-sets a third's interval
  });
  ASSERT_TRUE(runEventsUntil([&] { return late == nullptr; }, 2000));
  runEventsUntil([] { return false; }, 50); // nothing more may fire
  EXPECT_EQ(order, (std::vector<std::string>{"driver", "hurried", "late"}));
}

} // namespace
} // namespace platform
