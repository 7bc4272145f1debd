#include "dialogs/options_pages.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace dialogs {
namespace {

TEST(GeneralPage, EachSwitchShowsItsOwnSettingAndAutoLoadTheEntry) {
  testsupport::TempFolder config("lumetra-general");
  Autorun autorun(autostartEntryPath(config.path()), "/usr/bin/lumetra");
  engine::SettingsRecord settings;
  settings.LoopMode = true;
  settings.ClearTypeFont = false;
  settings.AutoStart = true;
  settings.AutoHideProgressBar = false;
  GeneralPage page = LoadGeneralSettings(settings, autorun);
  EXPECT_TRUE(page.LoopMode);
  EXPECT_FALSE(page.ClearTypeFont);
  EXPECT_FALSE(page.AutoLoad);
  EXPECT_TRUE(page.AutoStart);
  EXPECT_FALSE(page.AutoHideProgressBar);

  page = {false, true, true, false, true};
  SaveGeneralSettings(page, settings, autorun);
  EXPECT_FALSE(settings.LoopMode);
  EXPECT_TRUE(settings.ClearTypeFont);
  EXPECT_FALSE(settings.AutoStart);
  EXPECT_TRUE(settings.AutoHideProgressBar);
  EXPECT_TRUE(autorun.exists());
  EXPECT_TRUE(LoadGeneralSettings(settings, autorun).AutoLoad);

  page.AutoLoad = false;
  SaveGeneralSettings(page, settings, autorun);
  EXPECT_FALSE(autorun.exists());
}

} // namespace
} // namespace dialogs
