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
#include "support/temp_folder.h"

namespace shell {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

struct Outcome {
  int status;
  Lines lines;
  std::string out, err;
};

class TimelineTest : public ::testing::Test {
protected:
  std::string file(const std::string& name, const std::string& bytes) {
    return folder_.write(name, bytes);
  }

  static Outcome run(const Lines& args) {
    std::ostringstream out, err;
    Outcome r{runTimeline(args, out, err), {}, out.str(), err.str()};
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);)
      r.lines.push_back(line);
    return r;
  }

  testsupport::TempFolder folder_{"lumetra-timeline"};
  const fs::path& dir_ = folder_.path();
};

TEST_F(TimelineTest, BannerFramesWithTheirTimesAndIntervals) {
  const Outcome r =
      run({"--wpm=2600", "--layout=2x4", file("a.txt", "w1 w2 w3 w4 w5 w6 w7 w8 w9 w10")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(
      r.lines,
      (Lines{
          R"({"t":0,"event":"frame","start":1,"end":25,"lines":["w1 w2 w3 w4","w5 w6 w7 w8"],"words":8,"interval":172,"heading":false})",
          R"({"t":172,"event":"frame","start":25,"end":30,"lines":["w9 w10"],"words":2,"interval":64,"heading":false})",
          R"({"t":236,"event":"end"})"}));
  EXPECT_EQ(r.err, "");
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
  // UTF-8 input is recognised; quotes and backslashes are escaped.
  const Outcome utf8 =
      run({"--wpm", "600", "--layout", "1x6", file("q.txt", "He said \"caf\xC3\xA9\" \\ twice.")});
  EXPECT_NE(utf8.out.find(R"("lines":["He said \"caf)"
                          "\xC3\xA9"
                          R"(\" \\ twice."])"),
            std::string::npos)
      << utf8.out;
  // Code page 1252 curly quotes come out as UTF-8.
  const Outcome cp1252 =
      run({"--wpm", "600", "--layout", "1x6", file("w.txt", "Say \x93yes\x94 now.")});
  EXPECT_NE(cp1252.out.find("\xE2\x80\x9Cyes\xE2\x80\x9D"), std::string::npos) << cp1252.out;
  EXPECT_EQ(jsonString(std::string("x\x01y\ty\rz", 7)), R"("x\u0001y\ty\rz")");
  EXPECT_EQ(jsonString("\x80\xB7"), "\"\xE2\x82\xAC\xC2\xB7\"");
  EXPECT_EQ(jsonString(""), "\"\"");
}

TEST_F(TimelineTest, AutoSkimOptionsReachTheEngine) {
  const std::string path = file("s.txt", "It was the best of the times and the worst of it all.");
  const Outcome hidden =
      run({"--wpm", "600", "--layout", "1x6", "--autoskim", "s50", "--skim-hide", path});
  ASSERT_EQ(hidden.status, 0);
  EXPECT_EQ(hidden.out.find(R"("the ")"), std::string::npos);
}

TEST_F(TimelineTest, SettingsFileIsReadNeverWrittenAndOptionsComeLast) {
  engine::SettingsRecord record;
  platform::RecordingMessageBoxes messages;
  const std::string settings = (dir_ / SettingsFileName).string();
  SettingsFile saved(settings, record, messages);
  ASSERT_TRUE(saved.loadDocument(factorySettingsText()) && saved.loadAllSettings());
  record.WordsPerMinute = 50, record.LinesPerScreen = 1, record.WordsPerScreen = 3;
  record.LoopMode = true;
  ASSERT_TRUE(saved.saveSettings());
  const std::string before = platform::readWholeFile(settings);
  const auto stamp = fs::last_write_time(settings);
  const std::string text = file("a.txt", "Alpha beta gamma delta.");

  // LoopMode from the file: it reads on until the event limit.
  Outcome r = run({"--settings", settings, "--max-events", "5", text});
  ASSERT_EQ(r.status, TruncatedStatus);
  ASSERT_EQ(r.lines.size(), 6u);
  EXPECT_NE(r.lines[0].find(R"("interval":3333)"), std::string::npos) << r.lines[0];
  EXPECT_NE(r.lines[2].find(R"("start":1,)"), std::string::npos) << r.lines[2];

  r = run({"--settings", settings, "--wpm", "2600", "--layout", "2x4", "--max-events", "1", text});
  ASSERT_EQ(r.lines.size(), 2u);
  EXPECT_NE(r.lines[0].find(R"("words":4,"interval":86)"), std::string::npos) << r.lines[0];

  EXPECT_EQ(platform::readWholeFile(settings), before);
  EXPECT_EQ(fs::last_write_time(settings), stamp);
}

// Enough text for several column pages.
const std::string ColumnPages = [] {
  std::string text;
  for (int i = 0; i < 400; ++i)
    text += "Words to fill the column pages. ";
  return text;
}();

TEST_F(TimelineTest, ColumnModesPrintPagesTurnedOneAfterAnother) {
  const std::string path = file("long.txt", ColumnPages);
  for (const auto& [mode, columns] : {std::pair{"single", 1u}, std::pair{"double", 2u}}) {
    const Outcome r = run({"--mode", mode, path});
    ASSERT_EQ(r.status, 0) << mode;
    ASSERT_GE(r.lines.size(), 3u) << mode;
    EXPECT_EQ(r.lines.back().rfind(R"({"t":)", 0), 0u);
    EXPECT_NE(r.lines.back().find(R"("event":"end")"), std::string::npos);
    // how the columns fill is page_model_test's; here each mode's page events
    for (std::size_t i = 0; i + 1 < r.lines.size(); ++i) {
      const std::string& line = r.lines[i];
      EXPECT_EQ(line.rfind("{\"t\":" + std::to_string(400 * i) + ",\"event\":\"page\"", 0), 0u)
          << line;
      EXPECT_EQ(line.find("],[") != std::string::npos, columns == 2) << line;
    }
    EXPECT_NE(r.lines[0].find(R"("start":1,)"), std::string::npos) << r.lines[0];
  }
}

// Three paragraphs; at 600 wpm in one line of three words each sentence is
// one frame: 1 "One two three.", 16 "Four five six.", 32 "Seven eight nine.",
// 50 "Ten eleven twelve.", 70 "Last one here." (the end at 83).
const std::string Story = "One two three. Four five six.\n\nSeven eight nine. Ten eleven twelve."
                          "\n\nLast one here.";

// The events after the last command, joined.
std::string afterLastCommand(const Lines& lines) {
  std::string out;
  for (const std::string& line : lines)
    out = line.find(R"("event":"command")") != std::string::npos ? "" : out + line + "\n";
  return out;
}

// Whether `expected` come in this order among `lines`.
bool inOrder(const Lines& lines, const Lines& expected) {
  std::size_t found = 0;
  for (const std::string& line : lines)
    if (found < expected.size() && line == expected[found]) ++found;
  return found == expected.size();
}

// The frame each navigation key shows is checked on TForm1 itself
// (reader/navigation_keys_test.cpp); here what only the timeline tells: the
// hints, the status events and the closed window.
TEST_F(TimelineTest, KeysGiveTheirCommandsInBannerMode) {
  const std::string path = file("story.txt", Story);
  const auto events = [&](Lines at) {
    Lines args = {"--wpm", "600", "--layout", "1x3"};
    for (const std::string& a : at)
      args.insert(args.end(), {"--at", a});
    args.push_back(path);
    const Outcome r = run(args);
    EXPECT_EQ(r.status, 0) << r.err;
    return afterLastCommand(r.lines);
  };
  const std::string paused = events({"300:Space"});
  EXPECT_NE(paused.find(R"("event":"hint","text":"Press Spacebar or Click to Continue !")"),
            std::string::npos)
      << paused;
  EXPECT_EQ(paused.find(R"("event":"frame")"), std::string::npos) << paused;
  const std::string faster = events({"0:Up"});
  EXPECT_NE(faster.find(R"x("text":"19% | 610 wpm (1 x 3)")x"), std::string::npos) << faster;
  EXPECT_EQ(events({"0:Escape", "500:Space"}), "") << "the window closed";
}

TEST_F(TimelineTest, CommandsComeAtTheirTimesAndACommandAfterTheEndStillRuns) {
  const Outcome r = run({"--wpm", "600", "--layout", "1x3", "--at", "5000:Space", "--at",
                         "2000:Space", file("story.txt", Story)});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(inOrder(
      r.lines,
      {R"({"t":1345,"event":"end"})", R"({"t":2000,"event":"command","name":"Space"})",
       R"({"t":2000,"event":"frame","start":1,"end":16,"lines":["One two three."],"words":3,"interval":269,"heading":false})",
       R"({"t":5000,"event":"command","name":"Space"})"}))
      << r.out;
  // The second Space comes after the second end and restarts once more; then
  // the reader reads to the end again and the timeline stops there.
  EXPECT_EQ(r.lines.back(), R"({"t":6345,"event":"end"})");
}

TEST_F(TimelineTest, WithCommandsPagesTurnOnlyOnCommands) {
  const Outcome r = run({"--mode", "single", "--at", "1000:Space", "--at", "2000:PageDown",
                         file("long.txt", ColumnPages)});
  ASSERT_EQ(r.status, 0) << r.err;
  std::vector<long> pages;
  for (const std::string& line : r.lines)
    if (line.find(R"("event":"page")") != std::string::npos)
      pages.push_back(std::stol(line.substr(5)));
  // The first page, Space at once, Page Down after its fade; nothing turns by itself.
  EXPECT_EQ(pages, (std::vector<long>{0, 1000, 2400}));
  EXPECT_NE(r.lines.back().find(R"("t":2400,)"), std::string::npos) << r.lines.back();
}

TEST_F(TimelineTest, BadFilesGiveStatusOneAndBadOptionsStatusTwo) {
  const std::string ok = file("ok.txt", "Alpha beta."), usage = "usage: lumetra --timeline";
  struct Case {
    Lines args;
    std::string message;
    int status;
  };
  std::vector<Case> cases = {
      {{(dir_ / "nowhere.txt").string()}, "nowhere.txt", 1},
      {{"--settings", (dir_ / "none.xml").string(), ok}, "none.xml", 1},
  };
  for (const char* options :
       {"", "FILE FILE", "--wpm 3001 FILE", "FILE --wpm", "--mode column FILE", "--layout 2x7 FILE",
        "--rules 18 FILE", "--autoskim s40 FILE", "--colour red FILE", "--at 0:Jump FILE",
        "--at -5:Space FILE", "--at 0: FILE"}) {
    Lines args;
    std::istringstream words(options);
    for (std::string word; words >> word;)
      args.push_back(word == "FILE" ? ok : word);
    cases.push_back({args, usage, 2});
  }
  for (const auto& [args, message, status] : cases) {
    const Outcome r = run(args);
    EXPECT_EQ(r.status, status) << message;
    EXPECT_TRUE(r.lines.empty()) << message;
    EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
  }
}

// A run the event limit cuts short says so on its last line and exits 3; a
// run that reaches the end within the limit does not.
TEST_F(TimelineTest, ALimitThatCutsTheRunShortEndsWithATruncatedLine) {
  const std::string doc = file("doc.txt", "One two three four five six seven eight nine ten.");
  for (const char* mode : {"banner", "single"}) {
    const Outcome cut = run({"--mode", mode, "--layout", "1x1", "--max-events", "1", doc});
    EXPECT_EQ(cut.status, 3) << mode;
    ASSERT_EQ(cut.lines.size(), 2u) << mode;
    EXPECT_EQ(cut.lines.back(), R"({"event":"truncated","after":1})") << mode;

    const Outcome whole = run({"--mode", mode, doc});
    EXPECT_EQ(whole.status, 0) << mode;
    EXPECT_NE(whole.lines.back().find(R"("event":"end")"), std::string::npos) << mode;
  }
}

TEST_F(TimelineTest, TheFindBarShowsWholeWordMatchesWrapsAndReturns) {
  const std::string doc = file("find.txt", "The other theme was the best. Then the end came.");
  const Outcome r =
      run({"--wpm", "300", "--layout", "1x3", "--at", "1000:find=the", "--at", "1000:find-next",
           "--at", "1500:find-next", "--at", "2500:find-next", "--at", "3000:find-close", doc});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(inOrder(
      r.lines,
      {R"({"t":1000,"event":"frame","start":11,"end":26,"lines":["theme was the"],"highlight":{"line":0,"start":10,"length":3}})",
       R"({"t":1500,"event":"hint","text":"The text searched was not found !"})",
       R"({"t":3001,"event":"frame","start":17,"end":31,"lines":["was the best."],"words":3,"interval":545,"heading":false})"}))
      << r.out;
}

} // namespace
} // namespace shell
