#include "dialogs/speed_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dialogs {
namespace {

const reader::AutomaticTable kTable = reader::buildAutomaticTable();

engine::SettingsRecord settingsWith(engine::SpeedSelection selection, int lines, int words) {
  engine::SettingsRecord s;
  s.WordsPerMinute = 300;
  s.SpeedSettingsSelection = selection;
  s.LinesPerScreen = static_cast<std::uint8_t>(lines);
  s.WordsPerScreen = static_cast<std::uint8_t>(words);
  return s;
}

TEST(SpeedSettings, EveryItemReadsBackAsTheLayoutItsIndexStandsFor) {
  for (int i = 0; i < LayoutItemCount; ++i) {
    const auto layout = layoutOfItem(layoutItem(i));
    ASSERT_TRUE(layout) << i;
    EXPECT_EQ(layoutIndex(layout->lines, layout->words), i) << layoutItem(i);
  }
  // The rule is applied as it stands, even where it lands on another line count.
  EXPECT_EQ(layoutItem(layoutIndex(2, 1)), "1 x 5");
  EXPECT_EQ(layoutIndex(3, 7), NoLayoutItem);
  EXPECT_EQ(layoutIndex(4, 1), NoLayoutItem);
  EXPECT_EQ(layoutItem(NoLayoutItem), "");
}

TEST(SpeedSettings, TypingFollowsTheAutomaticTableAndRefusesLetters) {
  struct Case {
    engine::SpeedSelection selection;
    int lines;
    const char* typed;
    bool accepted;
    const char* text;
    const char* item;
  };
  using enum engine::SpeedSelection;
  for (const Case& c :
       {Case{Automatic, 1, "1500", true, "1500", "2 x 4"},
        Case{Automatic, 1, "120", true, "120", "1 x 1 (1 line)"},
        Case{Automatic, 1, "151", true, "151", "1 x 2"},
        Case{Automatic, 1, "9999", true, "9999", "3 x 5 (3 lines)"},
        Case{Automatic, 1, "15a", false, "", "1 x 3"}, Case{Automatic, 1, "", true, "", "1 x 3"},
        Case{Custom, 1, "1500", true, "1500", "1 x 3"},
        // No item shown: the list stays empty whatever the pace.
        Case{Automatic, 4, "1500", true, "1500", ""}}) {
    SpeedDialogState state = speedDialogOnShow(settingsWith(c.selection, c.lines, 3));
    state.paceText = c.typed;
    EXPECT_EQ(paceTextChanged(state, kTable), c.accepted) << c.typed;
    EXPECT_EQ(state.paceText, c.text) << c.typed;
    EXPECT_EQ(layoutItem(state.itemIndex), c.item) << c.typed << " lines " << c.lines;
  }
}

TEST(SpeedSettings, SwitchingToAutomaticTakesTheTableLayoutAndDisablesTheList) {
  SpeedDialogState state = speedDialogOnShow(settingsWith(engine::SpeedSelection::Custom, 3, 6));
  EXPECT_TRUE(state.listEnabled);
  EXPECT_EQ(layoutItem(state.itemIndex), "3 x 6");
  automaticClicked(state, kTable); // 300 wpm
  EXPECT_FALSE(state.listEnabled);
  EXPECT_EQ(layoutItem(state.itemIndex), "1 x 2");
  customClicked(state);
  EXPECT_TRUE(state.listEnabled);
  EXPECT_EQ(layoutItem(state.itemIndex), "1 x 2");
}

TEST(SpeedSettings, TheUpDownStepsByTenWithinItsLimitsFromWhatIsTyped) {
  struct Case {
    const char* text;
    int direction;
    const char* after;
  };
  for (const Case& c : {Case{"305", -1, "295"}, Case{"3000", +1, "3000"}, Case{"15", -1, "10"},
                        Case{"5000", -1, "3000"}, Case{"", +1, "310"}}) {
    SpeedDialogState state = speedDialogOnShow(settingsWith(engine::SpeedSelection::Custom, 1, 3));
    state.paceText = c.text;
    upDownStep(state, c.direction);
    EXPECT_EQ(state.paceText, c.after) << c.text << " " << c.direction;
  }
}

TEST(SpeedSettings, OkStoresThePaceAndTheLayoutShownOrRefusesThePace) {
  struct Case {
    engine::SpeedSelection selection;
    const char* pace;
    int item;
    bool accepted;
    int wpm, lines, words;
  };
  using enum engine::SpeedSelection;
  for (const Case& c :
       {Case{Automatic, "1500", 7, true, 1500, 2, 4}, Case{Custom, "5", 11, true, 5, 3, 6},
        Case{Custom, "3000", NoLayoutItem, true, 3000, 9, 9}, Case{Custom, "", 0, false, 300, 9, 9},
        Case{Custom, "0", 0, false, 300, 9, 9}, Case{Custom, "3001", 0, false, 300, 9, 9}}) {
    engine::SettingsRecord settings = settingsWith(engine::SpeedSelection::Custom, 9, 9);
    SpeedDialogState state = speedDialogOnShow(settings);
    if (c.selection == Automatic) automaticClicked(state, kTable);
    state.paceText = c.pace;
    state.itemIndex = c.item;
    EXPECT_EQ(okClicked(state, settings), c.accepted) << c.pace;
    EXPECT_EQ(settings.WordsPerMinute, c.wpm) << c.pace;
    EXPECT_EQ(settings.LinesPerScreen, c.lines) << c.pace;
    EXPECT_EQ(settings.WordsPerScreen, c.words) << c.pace;
    if (c.accepted) {
      EXPECT_EQ(settings.SpeedSettingsSelection, c.selection) << c.pace;
    } else {
      EXPECT_EQ(state.paceText, "") << c.pace;
    }
  }
}

} // namespace
} // namespace dialogs
