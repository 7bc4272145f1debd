// The headless timeline on real files and options: the JSON Lines and the exit status.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "engine/settings_record.h"
#include "platform/files.h"
#include "platform/message_boxes.h"
#include "shell/settings_file.h"
#include "shell/timeline.h"
#include "support/temp_folder.h"

namespace shell {
namespace {

using Lines = std::vector<std::string>;

struct Outcome {
  int status;
  Lines lines;
  std::string out, err;
};

class TimelineTest : public ::testing::Test {
protected:
  static Outcome run(const Lines& args) {
    std::ostringstream out, err;
    Outcome r{runTimeline(args, out, err), {}, out.str(), err.str()};
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);)
      r.lines.push_back(line);
    return r;
  }

  // A settings file holding the factory settings with `change` made.
  std::string settings(const std::function<void(engine::SettingsRecord&)>& change) {
    engine::SettingsRecord record;
    platform::RecordingMessageBoxes messages;
    const std::string path = (folder_ / SettingsFileName).string();
    SettingsFile file(path, record, messages);
    EXPECT_TRUE(file.loadDocument(factorySettingsText()) && file.loadAllSettings());
    change(record);
    EXPECT_TRUE(file.saveSettings());
    return path;
  }

  testsupport::TempFolder folder_{"lumetra-timeline"};
};

bool has(const std::string& line, const std::string& part) {
  return line.find(part) != std::string::npos;
}

// Whether `expected` come in this order.
bool inOrder(const Lines& lines, const Lines& expected) {
  std::size_t found = 0;
  for (const std::string& line : lines)
    if (found < expected.size() && line == expected[found]) ++found;
  return found == expected.size();
}

TEST_F(TimelineTest, BannerFramesWithTheirTimesAndIntervals) {
  const Outcome r =
      run({"--wpm=2600", "--layout=2x4", folder_.write("a.txt", "w1 w2 w3 w4 w5 w6 w7 w8 w9 w10")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(
      r.lines,
      (Lines{
          R"({"t":0,"event":"frame","start":1,"end":25,"lines":["w1 w2 w3 w4","w5 w6 w7 w8"],"words":8,"interval":172,"heading":false})",
          R"({"t":172,"event":"frame","start":25,"end":30,"lines":["w9 w10"],"words":2,"interval":64,"heading":false})",
          R"({"t":236,"event":"end"})"}));
}

// Every event's text goes through jsonString, from code page 1252.
TEST(TimelineJson, TextIsPrintedAsEscapedUtf8) {
  EXPECT_EQ(jsonString(std::string("\"x\x01y\ty\rz\\", 9)), R"("\"x\u0001y\ty\rz\\")");
  EXPECT_EQ(jsonString("\x80\xB7"), "\"\xE2\x82\xAC\xC2\xB7\""); // code page 1252
}

TEST_F(TimelineTest, SettingsFileIsReadNeverWrittenAndOptionsComeLast) {
  const std::string path = settings([](engine::SettingsRecord& r) {
    r.WordsPerMinute = 50, r.LinesPerScreen = 1, r.WordsPerScreen = 3, r.LoopMode = true;
  });
  const std::string before = platform::readWholeFile(path);
  const auto stamp = std::filesystem::last_write_time(path);
  const std::string text = folder_.write("a.txt", "Alpha beta gamma delta.");

  // LoopMode from the file: it reads on until the event limit, which the last line names.
  Outcome r = run({"--settings", path, "--max-events", "5", text});
  ASSERT_EQ(r.status, TruncatedStatus);
  ASSERT_EQ(r.lines.size(), 6u);
  EXPECT_EQ(r.lines.back(), R"({"event":"truncated","after":5})");
  EXPECT_TRUE(has(r.lines[0], R"("interval":3333)")) << r.lines[0];
  EXPECT_TRUE(has(r.lines[2], R"("start":1,)")) << r.lines[2];

  r = run({"--settings", path, "--wpm", "2600", "--layout", "2x4", "--max-events", "1", text});
  ASSERT_EQ(r.lines.size(), 2u);
  EXPECT_TRUE(has(r.lines[0], R"("words":4,"interval":86)")) << r.lines[0];

  EXPECT_EQ(platform::readWholeFile(path), before);
  EXPECT_EQ(std::filesystem::last_write_time(path), stamp);
}

TEST_F(TimelineTest, ADoubleColumnModePrintsPagesTurnedOneAfterAnother) {
  std::string text;
  for (int i = 0; i < 400; ++i)
    text += "Words to fill the column pages. ";
  const Outcome r = run({"--mode", "double", folder_.write("long.txt", text)});
  ASSERT_EQ(r.status, 0);
  ASSERT_GE(r.lines.size(), 3u);
  EXPECT_TRUE(has(r.lines.back(), R"("event":"end")"));
  EXPECT_TRUE(has(r.lines[0], R"("start":1,)")) << r.lines[0];
  // How the columns fill is page_model_test's; here a page of two every 400 ms.
  for (std::size_t i = 0; i + 1 < r.lines.size(); ++i) {
    const std::string page = "{\"t\":" + std::to_string(400 * i) + ",\"event\":\"page\"";
    EXPECT_TRUE(r.lines[i].rfind(page, 0) == 0 && has(r.lines[i], "],[")) << r.lines[i];
  }
}

TEST_F(TimelineTest, CommandsComeAtTheirTimesAndACommandAfterTheEndStillRuns) {
  const Outcome r =
      run({"--wpm", "600", "--layout", "1x3", "--at", "5000:Space", "--at", "2000:Space",
           // at 600 wpm in one line of three words each sentence is one frame
           folder_.write("story.txt", "One two three. Four five six.\n\nSeven eight nine. "
                                      "Ten eleven twelve.\n\nLast one here.")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(inOrder(
      r.lines,
      {R"({"t":1345,"event":"end"})", R"({"t":2000,"event":"command","name":"Space"})",
       R"({"t":2000,"event":"frame","start":1,"end":16,"lines":["One two three."],"words":3,"interval":269,"heading":false})",
       R"({"t":5000,"event":"command","name":"Space"})"}))
      << r.out;
  // The second Space restarts once more after the second end.
  EXPECT_EQ(r.lines.back(), R"({"t":6345,"event":"end"})");
}

// The timeline prints a find match as a highlight in the frame's lines.
TEST_F(TimelineTest, AFindMatchIsAFrameWithItsHighlight) {
  const std::string doc =
      folder_.write("find.txt", "The other theme was the best. Then the end came.");
  const Outcome r = run(
      {"--wpm", "300", "--layout", "1x3", "--at", "1000:find=the", "--at", "1000:find-next", doc});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(inOrder(
      r.lines,
      {R"({"t":1000,"event":"frame","start":11,"end":26,"lines":["theme was the"],"highlight":{"line":0,"start":10,"length":3}})"}))
      << r.out;
}

TEST_F(TimelineTest, BadFilesGiveStatusOneAndBadOptionsStatusTwo) {
  const std::string ok = folder_.write("ok.txt", "Alpha beta."),
                    usage = "usage: lumetra --timeline";
  const std::string factory = factorySettingsText();
  // A missing or empty settings file is the settings file test's.
  std::vector<std::tuple<Lines, std::string, int>> cases = {
      {{(folder_ / "nowhere.txt").string()}, "nowhere.txt", 1},
      {{"--settings", folder_.write("cut.xml", factory.substr(0, factory.size() / 2)), ok},
       "cut.xml",
       1},
      {{"--capture", ok}, "not a FILE", 2},
      {{"--capture-delay", "5", ok}, "goes with --capture", 2},
      {{"--capture", "--capture-delay", "-1"}, "--capture-delay takes", 2},
      {{"--capture=yes"}, "takes no value", 2},
  };
  for (const char* options :
       {"", "FILE FILE", "--wpm 3001 FILE", "FILE --wpm", "--mode column FILE", "--layout 2x7 FILE",
        "--rules 18 FILE", "--autoskim s40 FILE", "--colour red FILE", "--at 0:Jump FILE",
        "--at -5:Space FILE"}) {
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
    EXPECT_TRUE(has(r.err, message)) << r.err;
  }
}

// Values of the wrong type are reported and the factory settings read on.
TEST_F(TimelineTest, ASettingsFileOfWrongTypesIsReportedAndTheRunGoesOn) {
  std::string wrongTypes = factorySettingsText();
  // Every "value" and "default" field "%%%" (Base64 "JSUl"), which is no type.
  for (const std::string tag : {"<dmFsdWU>", "<ZGVmYXVsdA>"})
    for (std::size_t at = 0; (at = wrongTypes.find(tag, at)) != std::string::npos;) {
      at += tag.size();
      wrongTypes.replace(at, wrongTypes.find('<', at) - at, "JSUl");
    }
  const Outcome r = run(
      {"--settings", folder_.write("wrong.xml", wrongTypes), folder_.write("ok.txt", "Alpha.")});
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(has(r.err, "'%%%' is not a valid boolean value")) << r.err;
  EXPECT_TRUE(has(r.out, R"("event":"end")")) << r.out;
}

TEST_F(TimelineTest, EmptyAndHugeDocumentsAreRead) {
  std::string longLine;
  while (longLine.size() < (1u << 20))
    longLine += "dot.";
  // An empty file, one word of 1 MB, a line of 1 MB without spaces.
  const std::tuple<std::string, int, std::string> cases[] = {
      {"", 0, "The document is empty"},
      {std::string(1 << 20, 'w'), 3, "wwwwwwwwww-"},
      {longLine, 3, R"("lines":["dot.","dot.")"},
  };
  for (const auto& [bytes, status, shown] : cases) {
    const Outcome r = run({"--max-events", "400", folder_.write("doc.txt", bytes)});
    EXPECT_EQ(r.status, status) << shown << ": " << r.err;
    EXPECT_TRUE(has(r.out, shown)) << r.out.substr(0, 300);
  }
}

} // namespace
} // namespace shell
