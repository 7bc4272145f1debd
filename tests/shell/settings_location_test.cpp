#include "shell/settings_location.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/message_boxes.h"
#include "shell/settings_file.h"

namespace shell {
namespace {

namespace fs = std::filesystem;

class SettingsLocationTest : public ::testing::Test {
protected:
  SettingsLocationTest() {
    std::string pattern = (fs::temp_directory_path() / "lumetra-location-XXXXXX").string();
    root_ = ::mkdtemp(pattern.data());
    fs::create_directories(program());
    fs::create_directories(home());
  }
  ~SettingsLocationTest() override {
    std::error_code ignored;
    fs::permissions(program(), fs::perms::owner_all, ignored);
    fs::remove_all(root_, ignored);
  }
  fs::path program() const { return root_ / "opt" / "lumetra"; }
  fs::path home() const { return root_ / "home"; }
  void putFactoryFile(const std::string& text) {
    std::ofstream(program() / SettingsFileName, std::ios::binary) << text;
  }
  static std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }

  fs::path root_;
};

TEST_F(SettingsLocationTest, WritableProgramFolderKeepsTheFileBesideTheProgram) {
  putFactoryFile("factory");
  const fs::path path = resolveSettingsPath({program(), true, (root_ / "xdg").string(), home()});
  EXPECT_EQ(path, program() / SettingsFileName);
  EXPECT_FALSE(fs::exists(root_ / "xdg"));
  EXPECT_FALSE(fs::exists(home() / ".config"));
}

TEST_F(SettingsLocationTest, ReadOnlyProgramFolderUsesTheSeededConfigFolder) {
  putFactoryFile("factory settings");
  const fs::path xdg = root_ / "xdg";
  const fs::path path = resolveSettingsPath({program(), false, xdg.string(), home()});
  EXPECT_EQ(path, xdg / "lumetra" / SettingsFileName);
  EXPECT_EQ(read(path), "factory settings");
}

TEST_F(SettingsLocationTest, WithoutXdgConfigHomeTheHomeConfigFolderIsUsed) {
  putFactoryFile("factory");
  for (const std::string& xdg : {std::string(), std::string("relative/config")}) {
    const fs::path path = resolveSettingsPath({program(), false, xdg, home()});
    EXPECT_EQ(path, home() / ".config" / "lumetra" / SettingsFileName) << xdg;
    EXPECT_EQ(read(path), "factory") << xdg;
  }
}

TEST_F(SettingsLocationTest, AUsersFileIsNeverOverwritten) {
  putFactoryFile("factory");
  const fs::path folder = home() / ".config" / "lumetra";
  fs::create_directories(folder);
  std::ofstream(folder / SettingsFileName) << "mine";
  const fs::path path = resolveSettingsPath({program(), false, "", home()});
  EXPECT_EQ(path, folder / SettingsFileName);
  EXPECT_EQ(read(path), "mine");
}

TEST_F(SettingsLocationTest, WithoutAFactoryFileNothingIsSeeded) {
  const fs::path path = resolveSettingsPath({program(), false, "", home()});
  EXPECT_EQ(path, home() / ".config" / "lumetra" / SettingsFileName);
  EXPECT_FALSE(fs::exists(path));
  EXPECT_TRUE(fs::is_directory(path.parent_path()));
}

TEST_F(SettingsLocationTest, FolderWritability) {
  EXPECT_TRUE(isWritableFolder(program()));
  EXPECT_FALSE(isWritableFolder(root_ / "missing"));
  EXPECT_FALSE(isWritableFolder(""));
  fs::permissions(program(), fs::perms::owner_read | fs::perms::owner_exec);
  if (::geteuid() == 0) GTEST_SKIP() << "the superuser may write in any folder";
  EXPECT_FALSE(isWritableFolder(program()));
}

TEST(SettingsLocation, ProgramDirectoryIsTheTestProgramsFolder) {
  EXPECT_EQ(programDirectory(), fs::path(LUMETRA_BINARY_DIR) / "bin");
  const SettingsLocation here = currentSettingsLocation();
  EXPECT_EQ(here.programDirectory, programDirectory());
  EXPECT_TRUE(here.programDirectoryWritable);
}

TEST(SettingsLocation, TheBuildPutsASettingsFileBesideTheProgram) {
  const fs::path path = fs::path(LUMETRA_BINARY_DIR) / "bin" / SettingsFileName;
  ASSERT_TRUE(fs::exists(path));
  engine::SettingsRecord record;
  platform::RecordingMessageBoxes boxes;
  SettingsFile file(path, record, boxes);
  EXPECT_TRUE(file.initXMLFILE());
  EXPECT_TRUE(boxes.shown.empty());
}

} // namespace
} // namespace shell
