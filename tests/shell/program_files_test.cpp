#include "shell/program_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_folder.h"

namespace shell {
namespace {

namespace fs = std::filesystem;

// A made-up folder tree: an installation under usr/ and a build folder.
class ProgramFilesTest : public ::testing::Test {
protected:
  ProgramFilesTest() {
    for (const char* folder : {"usr/bin", "usr/share/lumetra", "build/bin", "opt/bin"})
      fs::create_directories(root_ / folder);
  }
  testsupport::TempFolder folder_{"lumetra-files"};
  const fs::path& root_ = folder_.path();
};

TEST_F(ProgramFilesTest, InstalledProgramsLookInShareAndOthersBesideThemselves) {
  const struct {
    const char* programDirectory;
    const char* filesFolder;
    bool installed;
  } cases[] = {
      {"usr/bin", "usr/share/lumetra", true},
      {"usr/bin/", "usr/share/lumetra", true},
      {"usr/./bin", "usr/share/lumetra", true},
      {"build/bin", "build/bin", false}, // the build folder has no share/lumetra
      {"opt/bin", "opt/bin", false},
      {"usr/share/lumetra", "usr/share/lumetra", false}, // not a bin/ folder
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.programDirectory);
    const fs::path program = root_ / c.programDirectory;
    EXPECT_EQ(programFilesFolder(program).lexically_normal(),
              (root_ / c.filesFolder).lexically_normal());
    EXPECT_EQ(isInstalledProgram(program), c.installed);
  }
}

TEST(ProgramFiles, TheBuildFolderKeepsTheFilesBesideTheProgram) {
  const fs::path bin = fs::path(LUMETRA_BINARY_DIR) / "bin";
  EXPECT_FALSE(isInstalledProgram(bin));
  for (const char* name : {"LumetraSettings.xml", "Lumetra Help.html", "EULA.rtf"})
    EXPECT_TRUE(fs::exists(programFilesFolder(bin) / name)) << name;
}

} // namespace
} // namespace shell
