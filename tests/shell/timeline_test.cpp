// The headless timeline run as a user runs it: real files, real options, the
// JSON Lines it prints and its exit status.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/settings_record.h"
#include "platform/files.h"
#include "platform/message_boxes.h"
#include "shell/settings_file.h"
#include "shell/timeline.h"

namespace shell {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status;
  std::vector<std::string> lines;
  std::string err;
};

class TimelineTest : public ::testing::Test {
protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "lumetra-timeline-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string file(const std::string& name, const std::string& bytes) {
    const fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }

  static Outcome run(std::vector<std::string> args) {
    std::ostringstream out, err;
    Outcome r{runTimeline(args, out, err), {}, err.str()};
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);)
      r.lines.push_back(line);
    return r;
  }

  // A settings file as the program writes it, with `change` applied.
  std::string settingsFile(const std::function<void(engine::SettingsRecord&)>& change) {
    engine::SettingsRecord record;
    platform::RecordingMessageBoxes messages;
    const fs::path path = dir_ / "LumetraSettings.xml";
    SettingsFile settings(path, record, messages);
    EXPECT_TRUE(settings.loadDocument(factorySettingsText()));
    EXPECT_TRUE(settings.loadAllSettings());
    change(record);
    EXPECT_TRUE(settings.saveSettings());
    return path.string();
  }

  fs::path dir_;
};

TEST_F(TimelineTest, SlowBannerPrintsEachFrameWithItsTimeAndInterval) {
  const Outcome r =
      run({"--wpm", "50", "--layout", "1x3", file("a.txt", "Alpha beta gamma delta.")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(
      r.lines,
      (std::vector<std::string>{
          R"({"t":0,"event":"frame","start":1,"end":18,"lines":["Alpha beta gamma"],"words":3,"interval":3333,"heading":false})",
          R"({"t":3533,"event":"frame","start":18,"end":23,"lines":["delta."],"words":1,"interval":3333,"heading":false})",
          R"({"t":7066,"event":"end"})"}));
  EXPECT_EQ(r.err, "");
}

TEST_F(TimelineTest, FastTwoLinesOfFour) {
  const Outcome r =
      run({"--wpm=2600", "--layout=2x4", file("b.txt", "w1 w2 w3 w4 w5 w6 w7 w8 w9 w10")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(
      r.lines,
      (std::vector<std::string>{
          R"({"t":0,"event":"frame","start":1,"end":25,"lines":["w1 w2 w3 w4","w5 w6 w7 w8"],"words":8,"interval":172,"heading":false})",
          R"({"t":172,"event":"frame","start":25,"end":30,"lines":["w9 w10"],"words":2,"interval":64,"heading":false})",
          R"({"t":236,"event":"end"})"}));
}

TEST_F(TimelineTest, SentenceModeMinimumAtBothSidesOf350) {
  const std::string path = file("c.txt", "Short one. Then another sentence here with more words.");
  for (const auto& [wpm, interval] : {std::pair{"349", "761"}, std::pair{"350", "1518"}}) {
    const Outcome r = run({"--mode", "sentence", "--wpm", wpm, path});
    ASSERT_EQ(r.status, 0);
    ASSERT_FALSE(r.lines.empty());
    EXPECT_EQ(
        r.lines[0],
        std::string(
            R"({"t":0,"event":"frame","start":1,"end":12,"lines":["Short one."],"words":2,"interval":)") +
            interval + R"(,"heading":false})");
  }
}

TEST_F(TimelineTest, ParagraphPausesFollowTheRules) {
  const std::string text =
      "One two three four five six seven eight nine ten eleven twelve thirteen fourteen fifteen."
      "\n\nAa bb cc dd ee ff gg hh ii jj kk ll mm nn oo pp qq rr ss tt uu.\n\nLast paragraph here "
      "now.\n";
  const Outcome r =
      run({"--wpm", "300", "--layout", "1x3", "--rules", "8,10", file("p.txt", text)});
  ASSERT_EQ(r.status, 0);
  int pauses = 0;
  std::string before;
  for (std::size_t i = 0; i < r.lines.size(); ++i)
    if (r.lines[i].find(R"("event":"pause")") != std::string::npos) {
      ++pauses;
      before = r.lines[i - 1];
      EXPECT_NE(r.lines[i].find(R"("interval":523})"), std::string::npos) << r.lines[i];
    }
  EXPECT_EQ(pauses, 1);
  EXPECT_NE(before.find(R"("lines":["ss tt uu."])"), std::string::npos) << before;
}

TEST_F(TimelineTest, TextIsConvertedToUtf8AndEscaped) {
  // UTF-8 input: recognised and converted; quotes and backslashes escaped
  Outcome r =
      run({"--wpm", "600", "--layout", "1x6", file("q.txt", "He said \"caf\xC3\xA9\" \\ twice.")});
  ASSERT_EQ(r.status, 0);
  ASSERT_FALSE(r.lines.empty());
  const std::string expected =
      std::string(R"("lines":["He said \"caf)") + "\xC3\xA9" + R"(\" \\ twice."])";
  EXPECT_NE(r.lines[0].find(expected), std::string::npos) << r.lines[0];

  // code page 1252 input: curly quotes come out as UTF-8
  r = run({"--wpm", "600", "--layout", "1x6", file("w.txt", "Say \x93yes\x94 now.")});
  ASSERT_EQ(r.status, 0);
  ASSERT_FALSE(r.lines.empty());
  EXPECT_NE(r.lines[0].find("\xE2\x80\x9Cyes\xE2\x80\x9D"), std::string::npos) << r.lines[0];
}

TEST(JsonStringTest, EscapesControlCharactersAndConvertsTheCodePage) {
  EXPECT_EQ(jsonString("a\"b\\c"), R"("a\"b\\c")");
  EXPECT_EQ(jsonString(std::string("x\x01y\ty\rz", 7)), R"("x\u0001y\ty\rz")");
  EXPECT_EQ(jsonString("\xB7"), "\"\xC2\xB7\"");
  EXPECT_EQ(jsonString("\x80"), "\"\xE2\x82\xAC\"");
  EXPECT_EQ(jsonString(""), "\"\"");
}

TEST_F(TimelineTest, AutoSkimShowsDotsOrHidesTheWords) {
  const std::string path = file("s.txt", "It was the best of the times and the worst of it all.");
  Outcome dots = run({"--wpm", "600", "--layout", "1x6", "--autoskim", "s50", path});
  ASSERT_EQ(dots.status, 0);
  std::string all;
  for (const std::string& line : dots.lines)
    all += line;
  EXPECT_NE(all.find("\xC2\xB7"), std::string::npos) << all; // the middle dot, in UTF-8

  Outcome hidden =
      run({"--wpm", "600", "--layout", "1x6", "--autoskim", "s50", "--skim-hide", path});
  ASSERT_EQ(hidden.status, 0);
  all.clear();
  for (const std::string& line : hidden.lines)
    all += line;
  EXPECT_EQ(all.find("\xC2\xB7"), std::string::npos) << all;
  EXPECT_EQ(all.find(R"("the ")"), std::string::npos);
}

TEST_F(TimelineTest, MaxEventsStopsTheOutput) {
  const Outcome r = run({"--wpm", "600", "--layout", "1x1", "--max-events", "2",
                         file("m.txt", "One two three four five six.")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.lines.size(), 2u);
}

TEST_F(TimelineTest, SettingsFileIsReadNeverWrittenAndOptionsComeLast) {
  const std::string settings = settingsFile([](engine::SettingsRecord& s) {
    s.WordsPerMinute = 50;
    s.LinesPerScreen = 1;
    s.WordsPerScreen = 3;
    s.LoopMode = true;
  });
  const std::string before = platform::readWholeFile(settings);
  const auto stamp = fs::last_write_time(settings);
  const std::string text = file("a.txt", "Alpha beta gamma delta.");

  // LoopMode from the file: it reads on until the event limit
  Outcome r = run({"--settings", settings, "--max-events", "5", text});
  ASSERT_EQ(r.status, 0);
  ASSERT_EQ(r.lines.size(), 5u);
  EXPECT_NE(r.lines[0].find(R"("interval":3333)"), std::string::npos) << r.lines[0];
  EXPECT_NE(r.lines[2].find(R"("start":1,)"), std::string::npos) << r.lines[2];

  r = run({"--settings", settings, "--wpm", "2600", "--layout", "2x4", "--max-events", "1", text});
  ASSERT_EQ(r.lines.size(), 1u);
  EXPECT_NE(r.lines[0].find(R"("words":4,"interval":86)"), std::string::npos) << r.lines[0];

  EXPECT_EQ(platform::readWholeFile(settings), before);
  EXPECT_EQ(fs::last_write_time(settings), stamp);
}

TEST_F(TimelineTest, ColumnModesPrintPagesTurnedOneAfterAnother) {
  std::string text;
  for (int i = 0; i < 400; ++i)
    text += "Words to fill the column pages. ";
  const std::string path = file("long.txt", text);
  for (const auto& [mode, columns] : {std::pair{"single", 1u}, std::pair{"double", 2u}}) {
    const Outcome r = run({"--mode", mode, path});
    ASSERT_EQ(r.status, 0) << mode;
    ASSERT_GE(r.lines.size(), 3u) << mode;
    EXPECT_EQ(r.lines.back().rfind(R"({"t":)", 0), 0u);
    EXPECT_NE(r.lines.back().find(R"("event":"end")"), std::string::npos);
    for (std::size_t i = 0; i + 1 < r.lines.size(); ++i) {
      const std::string& line = r.lines[i];
      EXPECT_EQ(line.rfind("{\"t\":" + std::to_string(400 * i) + ",\"event\":\"page\"", 0), 0u)
          << line;
      const std::size_t at = line.find(R"("columns":[)");
      ASSERT_NE(at, std::string::npos);
      // count the column arrays: "[[", then one "],[" between columns
      std::size_t found = 1;
      for (std::size_t p = line.find("],[", at); p != std::string::npos;
           p = line.find("],[", p + 1))
        ++found;
      EXPECT_EQ(found, columns) << line;
    }
    EXPECT_NE(r.lines[0].find(R"("start":1,)"), std::string::npos) << r.lines[0];
  }
}

TEST_F(TimelineTest, MissingFileIsReportedWithStatusTwo) {
  const Outcome r = run({(dir_ / "nowhere.txt").string()});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.lines.empty());
  EXPECT_NE(r.err.find("nowhere.txt"), std::string::npos) << r.err;
}

TEST_F(TimelineTest, AFolderIsNotAFile) {
  const Outcome r = run({dir_.string()});
  EXPECT_EQ(r.status, 2);
  EXPECT_FALSE(r.err.empty());
}

TEST_F(TimelineTest, MissingSettingsFileIsReportedWithStatusTwo) {
  const Outcome r = run({"--settings", (dir_ / "none.xml").string(), file("a.txt", "Alpha.")});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.lines.empty());
  EXPECT_NE(r.err.find("none.xml"), std::string::npos) << r.err;
}

class BadOptionsTest : public TimelineTest,
                       public ::testing::WithParamInterface<std::vector<std::string>> {};

TEST_P(BadOptionsTest, GiveTheUsageAndStatusTwo) {
  std::vector<std::string> args = GetParam();
  for (std::string& a : args)
    if (a == "FILE") a = file("ok.txt", "Alpha beta.");
  const Outcome r = run(args);
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.lines.empty());
  EXPECT_NE(r.err.find("usage: lumetra --timeline"), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(Options, BadOptionsTest,
                         ::testing::Values(std::vector<std::string>{},
                                           std::vector<std::string>{"FILE", "FILE"},
                                           std::vector<std::string>{"--wpm", "0", "FILE"},
                                           std::vector<std::string>{"--wpm", "3001", "FILE"},
                                           std::vector<std::string>{"--wpm", "fast", "FILE"},
                                           std::vector<std::string>{"FILE", "--wpm"},
                                           std::vector<std::string>{"--mode", "column", "FILE"},
                                           std::vector<std::string>{"--layout", "4x2", "FILE"},
                                           std::vector<std::string>{"--layout", "2x7", "FILE"},
                                           std::vector<std::string>{"--layout", "2x", "FILE"},
                                           std::vector<std::string>{"--rules", "18", "FILE"},
                                           std::vector<std::string>{"--rules", "1,,2", "FILE"},
                                           std::vector<std::string>{"--autoskim", "s40", "FILE"},
                                           std::vector<std::string>{"--max-events", "-1", "FILE"},
                                           std::vector<std::string>{"--skim-hide=yes", "FILE"},
                                           std::vector<std::string>{"--colour", "red", "FILE"}));

} // namespace
} // namespace shell
