#include "platform/files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_folder.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

class FilesTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_FALSE(folder.empty()) << "no temporary folder"; }

  // The names in the folder: what a write leaves behind, temporary files included.
  std::set<std::string> names() const {
    std::set<std::string> result;
    for (const auto& entry : fs::directory_iterator(folder))
      result.insert(entry.path().filename().string());
    return result;
  }
  unsigned modeOf(const fs::path& path) const {
    return static_cast<unsigned>(fs::status(path).permissions());
  }

  testsupport::TempFolder temp{"lumetra-files"};
  const fs::path& folder = temp.path();
};

TEST_F(FilesTest, ReadsEveryByteThatIsThereNow) {
  std::string bytes;
  for (int i = 0; i < 300000; ++i)
    bytes.push_back(static_cast<char>(i * 7 % 256));
  temp.write("data", bytes);
  EXPECT_EQ(readWholeFile(folder / "data"), bytes);
  std::ofstream writer(folder / "growing", std::ios::binary); // another writer, still writing
  EXPECT_EQ(readWholeFile(folder / "growing"), "");
  writer << "first part\r" << std::flush;
  EXPECT_EQ(readWholeFile(folder / "growing"), "first part\r");
}

TEST_F(FilesTest, ReadingWhatIsNotAFileNamesTheFileAndTheReason) {
  fs::create_directory(folder / "sub");
  ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0); // refused without waiting for a writer
  const std::pair<const char*, const char*> cases[] = {
      {"absent.txt", "No such file"}, {"sub", "is a folder"}, {"pipe", "not a regular file"}};
  for (auto [name, reason] : cases)
    EXPECT_THAT([&] { readWholeFile(folder / name); },
                ThrowsMessage<FileError>(AllOf(HasSubstr(name), HasSubstr(reason))));
}

TEST_F(FilesTest, WriteMakesOrReplacesAFileWithTheRightModeAndLeavesNothingElse) {
  const mode_t previous = ::umask(027);
  writeFileAtomic(folder / "new.xml", "<a/>\r"s);
  ::umask(previous);
  temp.write("settings", "old contents that are longer");
  ASSERT_EQ(::chmod((folder / "settings").c_str(), 0604), 0);
  writeFileAtomic(folder / "settings", "new\0bytes"s);
  temp.write("real", "old");
  fs::create_symlink(folder / "real", folder / "link");
  writeFileAtomic(folder / "link", "new");

  EXPECT_EQ(readWholeFile(folder / "new.xml"), "<a/>\r");
  EXPECT_EQ(modeOf(folder / "new.xml"), 0640u); // as the umask allows
  EXPECT_EQ(readWholeFile(folder / "settings"), "new\0bytes"s);
  EXPECT_EQ(modeOf(folder / "settings"), 0604u); // kept
  EXPECT_TRUE(fs::is_symlink(folder / "link"));
  EXPECT_EQ(readWholeFile(folder / "real"), "new");
  EXPECT_EQ(names(), (std::set<std::string>{"link", "new.xml", "real", "settings"}));
}

// A write that fails, at once (no folder, a folder in the way) or part-way
// (the file size limit is hit after the first bytes), leaves the old file
// whole and no temporary file behind.
TEST_F(FilesTest, FailedWriteKeepsTheOldFileAndLeavesNoTrace) {
  fs::create_directory(folder / "taken");
  EXPECT_THAT([&] { writeFileAtomic(folder / "no" / "file", "x"); },
              ThrowsMessage<FileError>(HasSubstr("file")));
  EXPECT_THROW(writeFileAtomic(folder / "taken", "x"), FileError);
  fs::remove(folder / "taken");
  temp.write("settings", "the old settings");
  // In a child process: 0 when the write reports the failure, 77 when the
  // limit cannot be set here.
  const pid_t child = ::fork();
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = 4096;
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(77);
    try {
      writeFileAtomic(folder / "settings", std::string(100000, 'n'));
      ::_exit(1);
    } catch (const FileError&) {
      ::_exit(0);
    } catch (...) {
      ::_exit(3);
    }
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "cannot limit the file size here";
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the write did not report the failure";
  EXPECT_EQ(readWholeFile(folder / "settings"), "the old settings");
  EXPECT_EQ(names(), (std::set<std::string>{"settings"}));
}

} // namespace
} // namespace platform
