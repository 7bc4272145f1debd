#include "shell/event_log.h"

#include <gtest/gtest.h>

#include <fstream>

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

// Drops the time so the rest can be compared.
std::string withoutTime(const std::string& line) {
  const auto comma = line.find(',');
  EXPECT_EQ(line.rfind("{\"t\":", 0), 0u) << line;
  return comma == std::string::npos ? line : "{" + line.substr(comma + 1);
}

TEST(EventLogTest, EveryEventIsOneFlushedLineWithItsTimeFirst) {
  testsupport::TempFolder folder;
  const auto path = folder / "events.jsonl";
  EventLog log(path.string());
  ASSERT_TRUE(log.enabled());
  log.balloon();
  EXPECT_EQ(linesOf(path).size(), 1u) << "not flushed at once";
  log.quicklaunch(true, {810, 45, 226, 112});
  log.quicklaunch(false, {});
  log.capture("Caf\xE9 \"notes\".txt", 1, 1234);
  log.writeObject("{\"event\":\"frame\",\"start\":1}");
  log.writeObject("{}");
  const std::vector<std::string> expected = {
      "{\"event\":\"balloon\"}",
      "{\"event\":\"quicklaunch\",\"shown\":true,\"rect\":[810,45,226,112]}",
      "{\"event\":\"quicklaunch\",\"shown\":false,\"rect\":[0,0,0,0]}",
      "{\"event\":\"capture\",\"name\":\"Caf\xC3\xA9 "
      "\\\"notes\\\".txt\",\"kind\":1,\"length\":1234}",
      "{\"event\":\"frame\",\"start\":1}",
  };
  const auto lines = linesOf(path);
  ASSERT_EQ(lines.size(), expected.size() + 1);
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(withoutTime(lines[i]), expected[i]);
  EXPECT_EQ(lines.back().back(), '}');
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
