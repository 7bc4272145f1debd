#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "acquisition/text_file.h"
#include "platform/files.h"
#include "support/temp_folder.h"

namespace shell {
namespace {

using Action = CommandLine::Action;

class CommandLineTest : public ::testing::Test {
protected:
  std::string path(const char* name) const { return (folder_ / name).string(); }
  testsupport::TempFolder folder_{"lumetra-cli"};
  const std::string notes = folder_.write("notes.txt", "Some words.");
};

TEST_F(CommandLineTest, WordsGiveAnActionOrOneProblemWithItsStatus) {
  const std::string dash = folder_.write("-notes.txt", "A file named like an option.");
  ::mkfifo(path("fifo").c_str(), 0600);
  // The words, their action, the file to read or a part of the problem, the status.
  const std::tuple<std::vector<std::string>, Action, std::string, int> cases[] = {
      {{notes}, Action::Read, notes, 0},
      {{"--", dash}, Action::Read, dash, 0},
      {{"-h", notes}, Action::Help, "", 0},
      {{"--timeline", "--wpm", "300", notes}, Action::Timeline, "", 0},
      {{"autorun", "extra"}, Action::QuickLaunch, "", 0},
      {{"Setup"}, Action::Fail, "Setup: no such file", FileProblemStatus},
      {{"--capture"}, Action::Capture, "", 0},
      {{"--capture", notes}, Action::Fail, "--capture takes no file", UsageStatus},
      {{"--event-log"}, Action::Fail, "event-log", UsageStatus},
      {{notes, notes}, Action::Fail, "one file at a time", UsageStatus},
      {{"-x", notes}, Action::Fail, "'x'", UsageStatus},
      {{notes, "--timeline"}, Action::Fail, "--timeline must come first", UsageStatus},
      {{"--version", notes}, Action::Fail, "--version", UsageStatus},
      {{folder_.path().string()}, Action::Fail, "is a folder", FileProblemStatus},
      {{path("fifo")}, Action::Fail, "not a regular file", FileProblemStatus},
  };
  for (const auto& [args, action, fileOrProblem, status] : cases) {
    const CommandLine line = parseCommandLine(args);
    SCOPED_TRACE(args.front());
    EXPECT_EQ(std::pair(line.action, line.status), std::pair(action, status));
    if (action == Action::Read) {
      EXPECT_EQ(line.file, fileOrProblem);
    }
    if (action == Action::Fail) {
      EXPECT_NE(line.problem.find(fileOrProblem), std::string::npos) << line.problem;
    }
  }
  using Start = CommandLine::Start;
  EXPECT_EQ(parseCommandLine({}).start, Start::Normal);
  EXPECT_EQ(parseCommandLine({"setup"}).start, Start::Setup);
  const CommandLine autorun = parseCommandLine({"--event-log", "/tmp/e.jsonl", "autorun"});
  EXPECT_EQ(std::pair(autorun.action, autorun.start),
            std::pair(Action::QuickLaunch, Start::Autorun));
  EXPECT_EQ(autorun.eventLog, "/tmp/e.jsonl");
  EXPECT_EQ(parseCommandLine({"--timeline", "--wpm", "300", notes}).timelineArgs,
            (std::vector<std::string>{"--wpm", "300", notes}));
}

TEST_F(CommandLineTest, AnUnreadableOrOversizedFileIsRefusedBeforeAnyWindow) {
  const std::string big = path("big.txt");
  { std::ofstream(big) << ""; }
  std::filesystem::resize_file(big, acquisition::MaxTextFileBytes + 1); // sparse: takes no room
  const std::string tooLarge = documentFileProblem(big, acquisition::MaxTextFileBytes);
  EXPECT_NE(tooLarge.find(std::to_string(acquisition::MaxTextFileBytes)), std::string::npos)
      << tooLarge;

  ::chmod(notes.c_str(), 0);
  if (::geteuid() == 0) GTEST_SKIP() << "running as root: every file can be read";
  EXPECT_NE(documentFileProblem(notes, 100).find("cannot be read"), std::string::npos);
}

// The program itself: a bad start prints one line and never reaches Qt,
// whether or not a display is there.
TEST_F(CommandLineTest, TheProgramAnswersABadStartWithOneLineAndItsStatus) {
  const std::string program = std::string(LUMETRA_BINARY_DIR) + "/bin/lumetra";
  // The environment, the words, a part of the one line printed, the status.
  const std::tuple<std::string, std::string, std::string, int> cases[] = {
      {"DISPLAY=:4242 QT_QPA_PLATFORM=", "'" + notes + "'", "cannot open display :4242", 1},
      {"DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM=", "'" + notes + "'", "cannot open display", 1}};
  for (const auto& [environment, args, message, status] : cases) {
    const std::string command = "env " + environment + " '" + program + "' " + args +
                                " >/dev/null 2>'" + path("err.txt") + "'";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw)) << command;
    EXPECT_EQ(WEXITSTATUS(raw), status) << command;
    const std::string shown = platform::readWholeFile(path("err.txt"));
    EXPECT_NE(shown.find(message), std::string::npos) << shown;
    EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'), 1) << shown;
  }
}

} // namespace
} // namespace shell
