#include "shell/event_log.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "support/temp_folder.h"

namespace shell {
namespace {

std::vector<std::string> linesOf(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

// The events the running program writes are read back by the end-to-end
// tests; here the form every line has, an empty object among them.
TEST(EventLogTest, EveryEventIsOneFlushedLineWithItsTimeFirst) {
  testsupport::TempFolder folder;
  const auto path = folder / "events.jsonl";
  EventLog log(path.string());
  ASSERT_TRUE(log.enabled());
  log.balloon();
  EXPECT_EQ(linesOf(path).size(), 1u) << "not flushed at once";
  log.quicklaunch(true, {810, 45, 226, 112});
  log.writeObject("{}");
  const auto lines = linesOf(path);
  ASSERT_EQ(lines.size(), 3u);
  const std::regex time(R"(\{"t":\d+(,.*)?\})");
  for (const std::string& line : lines)
    EXPECT_TRUE(std::regex_match(line, time)) << line;
  EXPECT_EQ(lines[1].substr(lines[1].find(',')),
            R"(,"event":"quicklaunch","shown":true,"rect":[810,45,226,112]})");
}

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
