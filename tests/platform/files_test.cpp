#include "platform/files.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace platform {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

class FilesTest : public ::testing::Test {
protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "lumetra-files-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder, ignored);
  }

  void put(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
  }

  // Names in the folder other than `keep`: leftovers such as temporary files.
  std::vector<std::string> strayFiles(const std::string& keep) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
      if (entry.path().filename() != keep) names.push_back(entry.path().filename().string());
    return names;
  }

  std::string messageOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const FileError& error) {
      return error.what();
    }
    ADD_FAILURE() << "no FileError thrown";
    return {};
  }

  fs::path folder;
};

TEST_F(FilesTest, ReadsEveryByteOfAFile) {
  std::string bytes;
  for (int i = 0; i < 300000; ++i)
    bytes.push_back(static_cast<char>(i * 7 % 256));
  put(folder / "data", bytes);
  EXPECT_EQ(readWholeFile(folder / "data"), bytes);
}

TEST_F(FilesTest, ReadsAnEmptyFile) {
  put(folder / "empty", "");
  EXPECT_EQ(readWholeFile(folder / "empty"), "");
}

TEST_F(FilesTest, ReadsWhatIsThereWhileAnotherWriterIsStillWriting) {
  std::ofstream writer(folder / "growing", std::ios::binary);
  writer << "first part\r" << std::flush;
  EXPECT_EQ(readWholeFile(folder / "growing"), "first part\r");
  writer << "second part" << std::flush;
  EXPECT_EQ(readWholeFile(folder / "growing"), "first part\rsecond part");
}

TEST_F(FilesTest, MissingFileNamesTheFileAndTheReason) {
  const std::string message = messageOf([&] { readWholeFile(folder / "absent.txt"); });
  EXPECT_NE(message.find("absent.txt"), std::string::npos) << message;
  EXPECT_NE(message.find("No such file"), std::string::npos) << message;
}

TEST_F(FilesTest, FolderIsNotReadAsAFile) {
  fs::create_directory(folder / "sub");
  const std::string message = messageOf([&] { readWholeFile(folder / "sub"); });
  EXPECT_NE(message.find("is a folder"), std::string::npos) << message;
}

TEST_F(FilesTest, PipeIsRefusedWithoutWaitingForAWriter) {
  ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
  const std::string message = messageOf([&] { readWholeFile(folder / "pipe"); });
  EXPECT_NE(message.find("not a regular file"), std::string::npos) << message;
}

TEST_F(FilesTest, UnreadableFileGivesAnError) {
  put(folder / "secret", "hidden");
  ASSERT_EQ(::chmod((folder / "secret").c_str(), 0), 0);
  if (::geteuid() != 0) {
    const std::string message = messageOf([&] { readWholeFile(folder / "secret"); });
    EXPECT_NE(message.find("Permission denied"), std::string::npos) << message;
    return;
  }
  // The superuser reads anything: try as an ordinary user in a child process.
  ASSERT_EQ(::chmod(folder.c_str(), 0755), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(77);
    try {
      readWholeFile(folder / "secret");
      ::_exit(1);
    } catch (const FileError& error) {
      ::_exit(std::string(error.what()).find("Permission denied") != std::string::npos ? 0 : 2);
    }
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "cannot drop privileges here";
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: read succeeded, 2: wrong message";
}

TEST_F(FilesTest, WriteMakesANewFile) {
  writeFileAtomic(folder / "new.xml", "<a/>\r"s);
  EXPECT_EQ(readWholeFile(folder / "new.xml"), "<a/>\r");
  EXPECT_TRUE(strayFiles("new.xml").empty());
}

TEST_F(FilesTest, NewFileGetsTheModeTheUmaskAllows) {
  const mode_t previous = ::umask(027);
  writeFileAtomic(folder / "fresh", "x");
  ::umask(previous);
  struct stat info {};
  ASSERT_EQ(::stat((folder / "fresh").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(FilesTest, WriteReplacesAnOldFileAndKeepsItsPermissions) {
  put(folder / "settings", "old contents that are longer");
  ASSERT_EQ(::chmod((folder / "settings").c_str(), 0640), 0);
  writeFileAtomic(folder / "settings", "new\0bytes"s);
  EXPECT_EQ(readWholeFile(folder / "settings"), "new\0bytes"s);
  struct stat info {};
  ASSERT_EQ(::stat((folder / "settings").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_TRUE(strayFiles("settings").empty());
}

TEST_F(FilesTest, WriteThroughASymbolicLinkReplacesItsTarget) {
  put(folder / "real", "old");
  fs::create_symlink(folder / "real", folder / "link");
  writeFileAtomic(folder / "link", "new");
  EXPECT_TRUE(fs::is_symlink(folder / "link"));
  EXPECT_EQ(readWholeFile(folder / "real"), "new");
}

TEST_F(FilesTest, WriteIntoAMissingFolderFails) {
  const std::string message = messageOf([&] { writeFileAtomic(folder / "no" / "file", "x"); });
  EXPECT_NE(message.find("file"), std::string::npos) << message;
  EXPECT_FALSE(fs::exists(folder / "no"));
}

TEST_F(FilesTest, WriteOverAFolderFailsAndLeavesNoTemporaryFile) {
  fs::create_directory(folder / "taken");
  put(folder / "taken" / "inside", "kept");
  messageOf([&] { writeFileAtomic(folder / "taken", "x"); });
  EXPECT_EQ(readWholeFile(folder / "taken" / "inside"), "kept");
  EXPECT_TRUE(strayFiles("taken").empty());
}

// A write that fails part-way (the file size limit is hit after the first
// bytes) leaves the old file whole and no temporary file behind.
TEST_F(FilesTest, WriteFailingPartWayKeepsTheOldFile) {
  const std::string old = "the old settings";
  put(folder / "settings", old);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
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
    }
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "cannot limit the file size here";
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the write did not report the failure";
  EXPECT_EQ(readWholeFile(folder / "settings"), old);
  EXPECT_TRUE(strayFiles("settings").empty());
}

// Kills a child process when it goes out of scope, so that a failed assertion
// never leaves a writer running.
struct ChildGuard {
  pid_t pid;
  ~ChildGuard() {
    if (pid > 0) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, nullptr, 0);
    }
  }
};

// A writer killed at any moment leaves either the old or the new file, whole;
// readers never see a mixture.
TEST_F(FilesTest, WriterKilledAtAnyMomentLeavesOneWholeVersion) {
  const std::string first(300000, 'a');
  const std::string second = std::string(200000, 'b') + "end";
  const fs::path path = folder / "positions";
  for (int round = 0; round < 5; ++round) {
    writeFileAtomic(path, first);
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::close(pipeEnds[0]);
      for (long i = 0;; ++i) {
        writeFileAtomic(path, i % 2 ? first : second);
        if (i == 0) {
          ::write(pipeEnds[1], "x", 1); // the first new version is in place
          ::close(pipeEnds[1]);
        }
      }
    }
    ChildGuard guard{child};
    ::close(pipeEnds[1]);
    char signal = 0;
    ASSERT_EQ(::read(pipeEnds[0], &signal, 1), 1);
    ::close(pipeEnds[0]);
    for (int read = 0; read < 20 + round * 10; ++read) {
      const std::string seen = readWholeFile(path);
      ASSERT_TRUE(seen == first || seen == second) << "a read saw " << seen.size() << " bytes";
    }
    ::kill(child, SIGKILL);
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
    guard.pid = 0;
    const std::string last = readWholeFile(path);
    EXPECT_TRUE(last == first || last == second) << "left " << last.size() << " bytes";
  }
}

} // namespace
} // namespace platform
