#include "shell/instance_lock.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "support/temp_folder.h"

namespace shell {
namespace {

namespace fs = std::filesystem;

TEST(InstanceLockTest, OneHolderAtATimeAcrossProcessesAndFreedWhenTheHolderGoes) {
  testsupport::TempFolder folder;
  const fs::path path = folder / InstanceLockName;
  {
    auto first = InstanceLock::acquire(path);
    ASSERT_NE(first, nullptr);
    // flock locks belong to the open file: another open in this process is refused too.
    EXPECT_EQ(InstanceLock::acquire(path), nullptr);
    // And so is a second program.
    const pid_t child = ::fork();
    if (child == 0) _exit(InstanceLock::acquire(path) == nullptr ? 0 : 1);
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the second copy got the lock";
  }
  EXPECT_NE(InstanceLock::acquire(path), nullptr) << "the lock outlived its holder";
}

TEST(InstanceLockTest, AFolderThatCannotHoldTheLockIsAnError) {
  EXPECT_THROW(InstanceLock::acquire("/nonexistent-folder/LumetraMutex"), std::runtime_error);
}

TEST(InstanceLockTest, TheRuntimeFolderWhenItExistsElseTheTemporaryFolder) {
  testsupport::TempFolder runtime;
  EXPECT_EQ(instanceFolder(runtime.path().string(), "/tmp"), runtime.path());
  EXPECT_EQ(instanceFolder("", "/tmp"), fs::path("/tmp"));
  EXPECT_EQ(instanceFolder((runtime / "gone").string(), "/tmp"), fs::path("/tmp"));
}

TEST(MarkerFileTest, LeftOnceKeptAsItIsAndRemoved) {
  testsupport::TempFolder program;
  testsupport::TempFolder settings;
  EXPECT_EQ(markerFilePath(program.path(), true, settings.path()), program / MarkerFileName);
  EXPECT_EQ(markerFilePath(program.path(), false, settings.path()), settings / MarkerFileName);

  const fs::path marker = program / MarkerFileName;
  EXPECT_FALSE(markerExists(marker));
  ASSERT_TRUE(leaveMarker(marker));
  EXPECT_TRUE(markerExists(marker));
  EXPECT_EQ(fs::file_size(marker), 0u);
  // A marker already there is left alone, even one with content.
  std::ofstream(marker) << "x";
  EXPECT_TRUE(leaveMarker(marker));
  EXPECT_EQ(fs::file_size(marker), 1u);
  removeMarker(marker);
  EXPECT_FALSE(markerExists(marker));
  removeMarker(marker); // gone already: nothing happens
  EXPECT_FALSE(leaveMarker(program / "no-such-folder" / MarkerFileName));
}

TEST(MarkerFileTest, AFolderThatIsNotWritableRefusesTheMarker) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write to any folder";
  testsupport::TempFolder program;
  ::chmod(program.path().c_str(), 0500);
  EXPECT_FALSE(leaveMarker(program / MarkerFileName));
  ::chmod(program.path().c_str(), 0700);
}

} // namespace
} // namespace shell
