#include "shell/settings_location.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/files.h"
#include "shell/program_files.h"
#include "shell/settings_file.h"
#include "support/temp_folder.h"

namespace shell {
namespace {

namespace fs = std::filesystem;

class SettingsLocationTest : public ::testing::Test {
protected:
  SettingsLocationTest() {
    fs::create_directories(program());
    fs::create_directories(home());
  }
  fs::path program() const { return root_ / "opt" / "lumetra"; }
  fs::path home() const { return root_ / "home"; }

  testsupport::TempFolder folder_{"lumetra-location"};
  const fs::path& root_ = folder_.path();
};

TEST_F(SettingsLocationTest, TheFileLivesBesideTheProgramOrInTheSeededConfigFolder) {
  const fs::path xdg = root_ / "xdg", config = home() / ".config" / "lumetra";
  EXPECT_EQ(resolveSettingsPath({program(), true, xdg.string(), home()}),
            program() / SettingsFileName);
  EXPECT_FALSE(fs::exists(xdg) || fs::exists(home() / ".config"));
  // A read-only program folder without a factory file: only the folder is made.
  EXPECT_EQ(resolveSettingsPath({program(), false, "", home()}), config / SettingsFileName);
  EXPECT_TRUE(fs::is_directory(config) && !fs::exists(config / SettingsFileName));

  std::ofstream(program() / SettingsFileName, std::ios::binary) << "factory settings";
  fs::path path = resolveSettingsPath({program(), false, xdg.string(), home()});
  EXPECT_EQ(path, xdg / "lumetra" / SettingsFileName);
  EXPECT_EQ(platform::readWholeFile(path), "factory settings");
  // A relative XDG_CONFIG_HOME is ignored like an empty one.
  path = resolveSettingsPath({program(), false, "relative/config", home()});
  EXPECT_EQ(path, config / SettingsFileName);
  EXPECT_EQ(platform::readWholeFile(path), "factory settings");
  // A user's file is never overwritten.
  std::ofstream(path) << "mine";
  EXPECT_EQ(resolveSettingsPath({program(), false, "", home()}), path);
  EXPECT_EQ(platform::readWholeFile(path), "mine");
}

TEST_F(SettingsLocationTest, AnInstalledProgramHasItsFilesInShareAndSeedsTheConfigFolderFromThem) {
  const fs::path bin = root_ / "usr" / "bin", share = root_ / "usr" / "share" / "lumetra";
  fs::create_directories(bin);
  fs::create_directories(share);
  std::ofstream(share / SettingsFileName, std::ios::binary) << "installed factory";
  // Even a writable bin/ folder (the superuser's) keeps the user's file apart.
  const fs::path xdg = root_ / "xdg", path = resolveSettingsPath({bin, true, xdg.string(), home()});
  EXPECT_EQ(path, xdg / "lumetra" / SettingsFileName);
  EXPECT_EQ(platform::readWholeFile(path), "installed factory");
  EXPECT_FALSE(fs::exists(bin / SettingsFileName));
  // Without any configuration folder the factory file is all there is.
  EXPECT_EQ(resolveSettingsPath({bin, false, "", ""}), share / SettingsFileName);

  // Where the program's files are: the program's folder, its files' folder,
  // whether it is installed.
  fs::create_directories(root_ / "build" / "bin");
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"usr/bin", "usr/share/lumetra", true},
      {"usr/./bin/", "usr/share/lumetra", true},
      {"build/bin", "build/bin", false},                 // the build folder has no share/lumetra
      {"usr/share/lumetra", "usr/share/lumetra", false}, // not a bin/ folder
  };
  for (const auto& [folder, files, installed] : cases) {
    SCOPED_TRACE(folder);
    EXPECT_EQ(programFilesFolder(root_ / folder).lexically_normal(),
              (root_ / files).lexically_normal());
    EXPECT_EQ(isInstalledProgram(root_ / folder), installed);
  }
}

} // namespace
} // namespace shell
