#include <gtest/gtest.h>

#include "reader/words_per_screen.h"

namespace reader {
namespace {

TEST(AutomaticTable, EachSpeedGivesItsWordsAndLines) {
  const AutomaticTable table = buildAutomaticTable();
  const int cases[][3] = {// speed, words, lines; band edges, then speeds outside the table
                          {1, 1, 1},    {150, 1, 1},  {151, 2, 1},  {340, 2, 1},  {341, 3, 1},
                          {500, 3, 1},  {501, 4, 1},  {750, 4, 1},  {751, 5, 1},  {1000, 5, 1},
                          {1001, 6, 1}, {1400, 6, 1}, {1401, 4, 2}, {1800, 4, 2}, {1801, 5, 2},
                          {2000, 5, 2}, {2001, 5, 3}, {3000, 5, 3}, {0, 1, 1},    {-40, 1, 1},
                          {32000, 5, 3}};
  for (const auto& c : cases)
    EXPECT_EQ(automaticEntry(table, c[0]), (WordsAndLines{std::uint8_t(c[1]), std::uint8_t(c[2])}))
        << c[0];
  engine::SettingsRecord settings;
  settings.WordsPerMinute = 1401;
  SetWPSLPS(settings, table);
  EXPECT_EQ(settings.WordsPerScreen, 4);
  EXPECT_EQ(settings.LinesPerScreen, 2);
}

TEST(WordsPerScreenMenu, EveryItemChecksItselfAutomaticFollowsTheSpeedTwoByFourIsCustom) {
  const AutomaticTable table = buildAutomaticTable();
  for (std::size_t item = 0; item < WordsPerScreenItemCount; ++item) {
    engine::SettingsRecord settings;
    settings.WordsPerMinute = 700;
    settings.SpeedSettingsSelection = engine::SpeedSelection::Automatic;
    ASSERT_TRUE(chooseWordsPerScreen(settings, table, item));
    EXPECT_EQ(checkedWordsPerScreenItem(settings), item) << WordsPerScreenItems[item].caption;
    const auto checks = speedMenuChecks(settings);
    for (std::size_t i = 0; i < checks.size(); ++i)
      EXPECT_EQ(checks[i], i == item) << item << " " << i;
    if (item == 0) { // automatic: the table entry for 700 wpm
      EXPECT_EQ(settings.SpeedSettingsSelection, engine::SpeedSelection::Automatic);
      EXPECT_EQ(settings.WordsPerScreen, 4);
      EXPECT_EQ(settings.LinesPerScreen, 1);
    }
    if (item == 8) {
      EXPECT_EQ(WordsPerScreenItems[item].component, "N2x41");
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
    for (bool c : speedMenuChecks(settings))
      EXPECT_FALSE(c) << lines << "x" << words;
  }
}

} // namespace
} // namespace reader
