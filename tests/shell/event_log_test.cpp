#include "shell/event_log.h"

#include <gtest/gtest.h>

namespace shell {
namespace {

// What the running program logs is read back by the end-to-end tests.
TEST(EventLogTest, ALogThatCannotBeOpenedWritesNothingAndDoesNotFail) {
  EventLog none("");
  EXPECT_FALSE(none.enabled());
  none.balloon();
  EventLog broken("/nonexistent-folder/events.jsonl");
  EXPECT_FALSE(broken.enabled());
  broken.capture("x", 0, 1);
}

} // namespace
} // namespace shell
