#include "dialogs/autoskim_page.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace dialogs {
namespace {

using Counts = std::array<int, engine::CompressorPartCount>;

Counts checkedCounts(const CheckLists& lists) {
  Counts counts{};
  for (std::size_t i = 0; i < lists.size(); ++i)
    for (bool checked : lists[i].Checked)
      counts[i] += checked ? 1 : 0;
  return counts;
}

AutoSkimPage builtPage() {
  AutoSkimPage page;
  BuildCbList(page.lists);
  return page;
}

// Checks the first item of list `list` that spells `word`.
void check(CheckLists& lists, std::size_t list, const std::string& word) {
  for (std::size_t i = 0; i < lists[list].Items.size(); ++i)
    if (lists[list].Items[i] == word) {
      lists[list].Checked[i] = true;
      return;
    }
  FAIL() << word << " is not in list " << list + 1;
}

TEST(AutoSkimPage, ALevelChecksItsListsWholeAndCustomKeepsTheChecks) {
  struct Case {
    std::vector<int> items; // chosen in turn
    int levelItem;
    Counts counts;
  };
  for (const Case& c : {Case{{0}, 0, {3, 0, 0, 0, 0}}, Case{{4}, 4, {3, 8, 18, 45, 453}},
                        Case{{4, 1}, 1, {3, 8, 0, 0, 0}},
                        Case{{1, CustomLevelItem}, CustomLevelItem, {3, 8, 0, 0, 0}}}) {
    AutoSkimPage page = builtPage();
    for (int item : c.items)
      selectCompressionLevel(page, item);
    EXPECT_EQ(page.levelItem, c.levelItem);
    EXPECT_EQ(checkedCounts(page.lists), c.counts) << "after item " << c.items.back();
  }
}

TEST(AutoSkimPage, TheBuiltListHasACommaBeforeEveryWordAndAfterTheLast) {
  struct Case {
    std::vector<std::pair<std::size_t, std::string>> checks; // list, word
    const char* built;
  };
  for (const Case& c :
       {Case{{}, ","}, Case{{{4, "able"}, {2, "said"}, {4, "yours"}}, ",said,able,yours,"}}) {
    AutoSkimPage page = builtPage();
    for (const auto& [list, word] : c.checks)
      check(page.lists, list, word);
    EXPECT_EQ(BuildASList(page.lists), c.built);
  }
}

TEST(AutoSkimPage, LoadingAWordListChecksEveryExactOccurrenceInEveryList) {
  CheckLists lists;
  lists[0] = {{"x", "y", "Y"}, {true, false, false}};
  lists[1] = {{"y", "z"}, {false, true}};
  LoadAllCbList(lists, ",,y,,"); // empty entries are passed over
  EXPECT_EQ(lists[0].Checked, (std::vector<bool>{false, true, false}));
  EXPECT_EQ(lists[1].Checked, (std::vector<bool>{true, false}));
}

TEST(AutoSkimPage, LoadingTheSettingsShowsThePresetOrTheActiveCustomList) {
  struct Case {
    int level;
    const char* list;
    int levelItem;
    Counts counts;
  };
  for (const Case& c : {Case{1, ",ignored,", 1, {3, 8, 0, 0, 0}},
                        // "modern" is stored twice in the last list.
                        Case{CustomLevelItem, ",the,on,modern,", CustomLevelItem, {1, 0, 1, 0, 2}},
                        Case{9, ",to,", CustomLevelItem, {0, 1, 0, 0, 0}}}) {
    engine::SettingsRecord settings;
    settings.CompresionSetting = static_cast<std::uint8_t>(c.level);
    settings.CompressorList = c.list;
    settings.CompressorReplaceSelection = engine::ReplaceSelection::Hide;
    AutoSkimPage page = builtPage();
    selectCompressionLevel(page, 4); // what the page showed before
    LoadAutoSkimSettings(page, settings);
    EXPECT_EQ(page.levelItem, c.levelItem) << c.level;
    EXPECT_EQ(checkedCounts(page.lists), c.counts) << c.level;
    EXPECT_EQ(page.replace, engine::ReplaceSelection::Hide);
  }
}

} // namespace
} // namespace dialogs
