// The menus' commands on the virtual clock, and the library folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "reader/library_folder.h"
#include "reader/pacing_fixture.h"
#include "support/temp_folder.h"

namespace reader::testing {
namespace {

using engine::ReadingModeKind;

constexpr const char* Text = "One two three four five six seven eight nine ten eleven twelve.";

struct Menus : PacingFixture {
  std::vector<std::string> dialogs;
  std::vector<std::string> opened;
  Menus() : PacingFixture(300, Text) {
    ReaderHooks hooks;
    hooks.showOptions = [this](const std::string& page) { dialogs.push_back(page); };
    hooks.showSpeedSettings = [this] { dialogs.push_back("speed"); };
    hooks.openDocument = [this](const std::string& path) { opened.push_back(path); };
    form.setHooks(hooks);
  }
  const Command& row(std::string_view component) {
    const Command* c = findComponentCommand(component);
    EXPECT_NE(c, nullptr) << component;
    return *c;
  }
};

TEST(Menus, TheBannerPopupHaltsReadingNamesThePauseItemAndClosingResumes) {
  Menus f;
  f.start();
  f.clock.advance(1000);
  f.form.enterMenuLoop();
  f.form.pmBannerPopup();
  EXPECT_EQ(f.form.pauseCaption(), "Pause");
  EXPECT_TRUE(f.fade.menuLoopActive); // the fade-out may not start
  const std::size_t frames = f.observer.frames.size();
  f.clock.advance(3000);
  EXPECT_EQ(f.observer.frames.size(), frames);
  f.form.exitMenuLoop(); // closed without a choice
  f.clock.advance(3000);
  EXPECT_GT(f.observer.frames.size(), frames);
  f.form.pmBannerPopup(); // chosen: Pause pauses
  f.form.exitMenuLoop();
  f.form.runCommand(f.row("Pause1"));
  EXPECT_EQ(f.rs.readerState, ReaderStateKind::Paused);
  f.form.pmBannerPopup();
  EXPECT_EQ(f.form.pauseCaption(), "Continue");
}

TEST(Menus, DialogCommandsHaltAndLeaveReadingPausedButThePopupsSpeedSettingsResumes) {
  const struct {
    const char* component;
    const char* dialog;
    bool paused;
  } cases[] = {{"SpeedSettings1", "speed", true},
               {"AutoSkimSettings2", "AutoSkim", true},
               {"SpeedSettings2", "speed", false}};
  for (const auto& c : cases) {
    Menus f;
    f.start();
    f.form.runCommand(f.row(c.component));
    ASSERT_EQ(f.dialogs, std::vector<std::string>{c.dialog}) << c.component;
    EXPECT_EQ(f.rs.readerState == ReaderStateKind::Paused, c.paused) << c.component;
    EXPECT_EQ(f.tmRead().Enabled(), !c.paused) << c.component;
  }
}

TEST(FormatMenu, AFontSetsBothFamiliesChecksItsItemAndAnUnlistedFamilyChecksGaramond) {
  const struct {
    ReadingModeKind mode;
    const char* chosen;
  } cases[] = {{ReadingModeKind::Banner, "tahoma1"}, {ReadingModeKind::Double, "Verdana1"}};
  for (const auto& c : cases) {
    Menus f;
    f.settings.ReadingMode = c.mode;
    f.settings.Banner.FontName = "DejaVu Serif";
    f.form.FormShow();
    EXPECT_TRUE(f.row("Garamond1").checked(f.form));
    const std::size_t frames = f.observer.frames.size();
    const int pages = f.view.pagesShown;
    f.form.runCommand(f.row(c.chosen));
    EXPECT_TRUE(f.row(c.chosen).checked(f.form));
    EXPECT_FALSE(f.row("Garamond1").checked(f.form));
    EXPECT_EQ(f.settings.Column.FontName, f.settings.Banner.FontName);
    EXPECT_EQ(f.parts.layout.bannerFont.family, f.settings.Banner.FontName);
    // The banner modes read on with a new frame, the columns lay the page out again.
    if (isBannerMode(c.mode)) {
      EXPECT_EQ(f.observer.frames.size(), frames + 1);
    } else {
      EXPECT_EQ(f.view.pagesShown, pages + 1);
    }
  }
}

TEST(FormatMenu, SizesFollowTheModesFont) {
  // A stored 48-point strip: Sentence mode draws and checks 28 and greys the
  // larger sizes; the columns offer no size above 20.
  for (ReadingModeKind mode :
       {ReadingModeKind::Banner, ReadingModeKind::Sentence, ReadingModeKind::Single}) {
    Menus f;
    f.settings.ReadingMode = mode;
    f.settings.Banner.FontSize = 13;
    f.settings.Column.FontSize = 5;
    const bool sentence = mode == ReadingModeKind::Sentence;
    const char* checked = sentence ? "Size28" : isBannerMode(mode) ? "Size48" : "Size14";
    EXPECT_TRUE(f.row(checked).checked(f.form)) << checked;
    EXPECT_EQ(f.row("Size48").visible(f.form), isBannerMode(mode));
    EXPECT_EQ(f.row("Size48").enabled(f.form), !sentence);
  }
  // A size sets the font of the mode on screen only.
  Menus f;
  f.settings.ReadingMode = ReadingModeKind::Single;
  f.form.FormShow();
  f.form.runCommand(f.row("Size18"));
  EXPECT_EQ(f.parts.layout.columnFont.pointSize, 18);
  EXPECT_EQ(f.settings.Banner.FontSize, engine::SettingsRecord{}.Banner.FontSize);
}

TEST(Menus, ARecentFileOpensThroughTheHandOverAndTheFocusTimerRunsAgain) {
  Menus f;
  f.start();
  f.form.enterMenuLoop();
  f.tmFocus().setEnabled(false);
  f.form.openRecentFile("/home/u/book.txt");
  EXPECT_EQ(f.opened, std::vector<std::string>{"/home/u/book.txt"});
  EXPECT_TRUE(f.tmFocus().Enabled());
  EXPECT_FALSE(f.fade.menuLoopActive);
}

TEST(Menus, AContextPopupStopsTheFadesAndTheFrameTimer) {
  Menus f;
  f.start();
  ASSERT_TRUE(f.tmFadeIn().Enabled());
  f.form.pbBannerContextPopup();
  EXPECT_FALSE(f.tmRead().Enabled());
  EXPECT_FALSE(f.tmFadeIn().Enabled());
  EXPECT_EQ(f.fade.fadeLevel, FullFadeLevel);
}

TEST(LibraryFolder, MadeBesideTheProgramElseInTheDataFolder) {
  const testsupport::TempFolder folder("lumetra-library");
  const std::filesystem::path& root = folder.path();
  std::filesystem::create_directories(root / "bin");
  const std::filesystem::path data = root / "data";
  EXPECT_EQ(libraryFolder(root / "bin", data), root / "bin" / "eBooks");
  EXPECT_TRUE(std::filesystem::is_directory(root / "bin" / "eBooks"));
  // A program folder that cannot take it: the user's data folder.
  EXPECT_EQ(libraryFolder(root / "missing" / "bin", data), data / "lumetra" / "eBooks");
  EXPECT_TRUE(std::filesystem::is_directory(data / "lumetra" / "eBooks"));
}

} // namespace
} // namespace reader::testing
