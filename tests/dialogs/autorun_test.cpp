#include "dialogs/autorun.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <tuple>

#include "dialogs/options_pages.h"
#include "platform/files.h"
#include "support/temp_folder.h"
#include "support/x11_session.h"

namespace dialogs {
namespace {

// What desktop-file-validate says of the entry; nothing when it agrees.
std::string validationProblems(const std::filesystem::path& entry) {
  return testsupport::commandOutput("desktop-file-validate '" + entry.string() +
                                    "' 2>&1 || echo failed");
}

TEST(Autorun, TheEntryIsWrittenTestedAndRemovedAndValidates) {
  if (testsupport::findProgram("desktop-file-validate").empty())
    GTEST_SKIP() << "desktop-file-validate is missing (package desktop-file-utils)";
  // Every character the file or its Exec line has to escape.
  const char* program = "/home/ann/it's \"$HOME\" `x` 100%\\bin/lumetra";
  testsupport::TempFolder config("lumetra-autorun");
  Autorun autorun(autostartEntryPath(config.path()), program);
  EXPECT_FALSE(autorun.exists());
  ASSERT_TRUE(autorun.write());
  EXPECT_TRUE(autorun.exists());
  const std::string text = platform::readWholeFile(autorun.entryPath());
  EXPECT_NE(text.find("\nExec=" + *desktopExecArgument(program) + " autorun\n"), std::string::npos)
      << text;
  EXPECT_EQ(validationProblems(autorun.entryPath()), "") << text;
  EXPECT_TRUE(autorun.remove());
  EXPECT_FALSE(autorun.exists());
  EXPECT_TRUE(autorun.remove()) << "removing a missing entry is no failure";
}

TEST(Autorun, AnEntryCountsWhoeverWroteItAndAFailedWriteLeavesNone) {
  testsupport::TempFolder config("lumetra-autorun");
  std::filesystem::create_directories(config / "autostart");
  std::ofstream(config / "autostart" / "lumetra.desktop") << "[Desktop Entry]\n";
  EXPECT_TRUE(Autorun(autostartEntryPath(config.path()), "/x/lumetra").exists());

  std::ofstream(config / "plain-file") << "x"; // a configuration folder that is a file
  Autorun blocked(autostartEntryPath(config / "plain-file"), "/x/lumetra");
  EXPECT_FALSE(blocked.write());
  EXPECT_FALSE(blocked.exists());
  // A program path no entry can hold.
  Autorun unwritable(autostartEntryPath(config / "other"), "/x/line\nbreak");
  EXPECT_FALSE(unwritable.write());
  EXPECT_FALSE(unwritable.exists());
}

TEST(Autorun, ExecArgumentsAreQuotedThenEscapedForTheFile) {
  struct Case {
    const char* argument;
    std::optional<std::string> written;
  };
  for (const Case& c :
       {Case{"/usr/bin/lumetra", R"("/usr/bin/lumetra")"}, Case{"/a b/c", R"("/a b/c")"},
        Case{"/a$b", R"("/a\\$b")"}, Case{"/a\"b", R"("/a\\"b")"}, Case{"/a`b", R"("/a\\`b")"},
        Case{"/a\\b", R"("/a\\\\b")"}, Case{"/100%", R"("/100%%")"},
        Case{"/tab\there", std::nullopt}, Case{"/bad\xff", std::nullopt}})
    EXPECT_EQ(desktopExecArgument(c.argument), c.written) << c.argument;
}

// The general page shows Auto-load as the entry is, and writes or removes it.
TEST(GeneralPage, EachSwitchShowsItsOwnSettingAndAutoLoadTheEntry) {
  testsupport::TempFolder config("lumetra-general");
  Autorun autorun(autostartEntryPath(config.path()), "/usr/bin/lumetra");
  engine::SettingsRecord s;
  s.LoopMode = s.AutoStart = true;
  s.ClearTypeFont = s.AutoHideProgressBar = false;
  const GeneralPage p = LoadGeneralSettings(s, autorun);
  EXPECT_EQ(std::tuple(p.LoopMode, p.ClearTypeFont, p.AutoLoad, p.AutoStart, p.AutoHideProgressBar),
            std::tuple(true, false, false, true, false));
  for (bool autoLoad : {true, false}) {
    SaveGeneralSettings({false, true, autoLoad, false, true}, s, autorun);
    EXPECT_EQ(std::tuple(s.LoopMode, s.ClearTypeFont, s.AutoStart, s.AutoHideProgressBar),
              std::tuple(false, true, false, true));
    EXPECT_EQ(autorun.exists(), autoLoad);
    EXPECT_EQ(LoadGeneralSettings(s, autorun).AutoLoad, autoLoad);
  }
}

} // namespace
} // namespace dialogs
