#include <gtest/gtest.h>

#include "reader/words_per_screen.h"

namespace reader {
namespace {

struct SpeedCase {
  int wpm;
  int words;
  int lines;
};

class AutomaticTableTest : public ::testing::TestWithParam<SpeedCase> {};

TEST_P(AutomaticTableTest, BandEdgesGiveTheirWordsAndLines) {
  const AutomaticTable table = buildAutomaticTable();
  const SpeedCase c = GetParam();
  const WordsAndLines entry = automaticEntry(table, c.wpm);
  EXPECT_EQ(entry.words, c.words) << c.wpm;
  EXPECT_EQ(entry.lines, c.lines) << c.wpm;
}

INSTANTIATE_TEST_SUITE_P(
    BandEdges, AutomaticTableTest,
    ::testing::Values(SpeedCase{1, 1, 1}, SpeedCase{150, 1, 1}, SpeedCase{151, 2, 1},
                      SpeedCase{340, 2, 1}, SpeedCase{341, 3, 1}, SpeedCase{500, 3, 1},
                      SpeedCase{501, 4, 1}, SpeedCase{750, 4, 1}, SpeedCase{751, 5, 1},
                      SpeedCase{1000, 5, 1}, SpeedCase{1001, 6, 1}, SpeedCase{1400, 6, 1},
                      SpeedCase{1401, 4, 2}, SpeedCase{1800, 4, 2}, SpeedCase{1801, 5, 2},
                      SpeedCase{2000, 5, 2}, SpeedCase{2001, 5, 3}, SpeedCase{3000, 5, 3}));

TEST(AutomaticTable, SpeedsOutsideTheTableTakeItsEnds) {
  const AutomaticTable table = buildAutomaticTable();
  EXPECT_EQ(automaticEntry(table, 0), (WordsAndLines{1, 1}));
  EXPECT_EQ(automaticEntry(table, -40), (WordsAndLines{1, 1}));
  EXPECT_EQ(automaticEntry(table, 32000), (WordsAndLines{5, 3}));
}

TEST(AutomaticTable, SetWPSLPSFollowsTheSpeed) {
  const AutomaticTable table = buildAutomaticTable();
  engine::SettingsRecord settings;
  settings.WordsPerMinute = 1401;
  SetWPSLPS(settings, table);
  EXPECT_EQ(settings.WordsPerScreen, 4);
  EXPECT_EQ(settings.LinesPerScreen, 2);
}

TEST(WordsPerScreenMenu, TwoByFourChecksTheNinthItemAndSetsCustom) {
  const AutomaticTable table = buildAutomaticTable();
  engine::SettingsRecord settings;
  settings.SpeedSettingsSelection = engine::SpeedSelection::Automatic;
  const std::size_t item = 8;
  ASSERT_EQ(WordsPerScreenItems[item].component, "N2x41");
  ASSERT_TRUE(chooseWordsPerScreen(settings, table, item));
  EXPECT_EQ(settings.SpeedSettingsSelection, engine::SpeedSelection::Custom);
  EXPECT_EQ(settings.LinesPerScreen, 2);
  EXPECT_EQ(settings.WordsPerScreen, 4);
  const auto checks = speedMenuChecks(settings);
  for (std::size_t i = 0; i < checks.size(); ++i)
    EXPECT_EQ(checks[i], i == 8) << i;
}

TEST(WordsPerScreenMenu, EveryItemChecksItselfAfterItsCommand) {
  const AutomaticTable table = buildAutomaticTable();
  for (std::size_t item = 0; item < WordsPerScreenItemCount; ++item) {
    engine::SettingsRecord settings;
    settings.WordsPerMinute = 700;
    ASSERT_TRUE(chooseWordsPerScreen(settings, table, item));
    EXPECT_EQ(checkedWordsPerScreenItem(settings), item) << WordsPerScreenItems[item].caption;
  }
}

TEST(WordsPerScreenMenu, AutomaticTakesTheTableEntryForTheSpeed) {
  const AutomaticTable table = buildAutomaticTable();
  engine::SettingsRecord settings;
  settings.WordsPerMinute = 151;
  settings.LinesPerScreen = 3;
  settings.WordsPerScreen = 6;
  ASSERT_TRUE(chooseWordsPerScreen(settings, table, 0));
  EXPECT_EQ(settings.SpeedSettingsSelection, engine::SpeedSelection::Automatic);
  EXPECT_EQ(settings.WordsPerScreen, 2);
  EXPECT_EQ(settings.LinesPerScreen, 1);
}

TEST(WordsPerScreenMenu, UnknownItemChangesNothing) {
  const AutomaticTable table = buildAutomaticTable();
  engine::SettingsRecord settings;
  const engine::SettingsRecord before = settings;
  EXPECT_FALSE(chooseWordsPerScreen(settings, table, WordsPerScreenItemCount));
  EXPECT_EQ(settings.WordsPerScreen, before.WordsPerScreen);
  EXPECT_EQ(settings.LinesPerScreen, before.LinesPerScreen);
  EXPECT_EQ(settings.SpeedSettingsSelection, before.SpeedSettingsSelection);
}

TEST(WordsPerScreenMenu, StoredValuesOutsideTheMenuCheckNothing) {
  engine::SettingsRecord settings;
  settings.SpeedSettingsSelection = engine::SpeedSelection::Custom;
  for (auto [lines, words] : {std::pair{0, 3}, std::pair{4, 1}, std::pair{3, 7}, std::pair{1, 0}}) {
    settings.LinesPerScreen = static_cast<std::uint8_t>(lines);
    settings.WordsPerScreen = static_cast<std::uint8_t>(words);
    const auto checks = speedMenuChecks(settings);
    for (bool c : checks)
      EXPECT_FALSE(c) << lines << "x" << words;
  }
}

} // namespace
} // namespace reader
