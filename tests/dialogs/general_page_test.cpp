#include "dialogs/options_pages.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/temp_folder.h"

namespace dialogs {
namespace {

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
