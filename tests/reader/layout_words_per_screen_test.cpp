#include <gtest/gtest.h>

#include "reader/words_per_screen.h"

namespace reader {
namespace {

// The automatic table's rows are the code's; the speed dialog's typing test
// (120, 151, 1500, 9999 wpm) and the arrow keys' test (1400, 1410) read them.
TEST(WordsPerScreenMenu, EveryItemChecksItselfAutomaticFollowsTheSpeedTwoByFourIsCustom) {
  const AutomaticTable table = buildAutomaticTable();
  for (std::size_t item = 0; item < WordsPerScreenItemCount; ++item) {
    engine::SettingsRecord settings;
    settings.WordsPerMinute = 700;
    settings.SpeedSettingsSelection = engine::SpeedSelection::Automatic;
    ASSERT_TRUE(chooseWordsPerScreen(settings, table, item));
    EXPECT_EQ(checkedWordsPerScreenItem(settings), item) << WordsPerScreenItems[item].caption;
    if (item == 0) { // automatic: the table entry for 700 wpm
      EXPECT_EQ(settings.SpeedSettingsSelection, engine::SpeedSelection::Automatic);
      EXPECT_EQ(settings.WordsPerScreen, 4);
      EXPECT_EQ(settings.LinesPerScreen, 1);
    }
    if (item == 8) {
      EXPECT_EQ(settings.SpeedSettingsSelection, engine::SpeedSelection::Custom);
      EXPECT_EQ(settings.LinesPerScreen, 2);
      EXPECT_EQ(settings.WordsPerScreen, 4);
    }
  }
}

TEST(WordsPerScreenMenu, UnknownItemsAndStoredValuesOutsideTheMenuChangeAndCheckNothing) {
  const AutomaticTable table = buildAutomaticTable();
  engine::SettingsRecord settings;
  const engine::SettingsRecord before = settings;
  EXPECT_FALSE(chooseWordsPerScreen(settings, table, WordsPerScreenItemCount));
  EXPECT_EQ(settings.WordsPerScreen, before.WordsPerScreen);
  EXPECT_EQ(settings.LinesPerScreen, before.LinesPerScreen);
  EXPECT_EQ(settings.SpeedSettingsSelection, before.SpeedSettingsSelection);

  settings.SpeedSettingsSelection = engine::SpeedSelection::Custom;
  for (auto [lines, words] : {std::pair{0, 3}, std::pair{4, 1}, std::pair{3, 7}, std::pair{1, 0}}) {
    settings.LinesPerScreen = static_cast<std::uint8_t>(lines);
    settings.WordsPerScreen = static_cast<std::uint8_t>(words);
    EXPECT_EQ(checkedWordsPerScreenItem(settings), WordsPerScreenItemCount)
        << lines << "x" << words;
  }
}

} // namespace
} // namespace reader
