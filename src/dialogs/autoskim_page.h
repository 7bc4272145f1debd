// The options dialog's AutoSkim page: the replace mode, the compression level
// of the drop-down list ("~10%" .. "~50%", "Custom") and the five check lists
// that hold the words of the five parts of the AutoSkim word lists, one part
// per list, in stored order and spelling.
//
// Choosing level n (0-4) checks lists 1..n+1 whole and unchecks the others;
// a click on any word selects "Custom". The list that AutoSkim uses is built
// from the checked words: for each list with checked words, "," and its words
// joined by ","; then a final "," (a single "," when nothing is checked).
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/autoskim_words.h"
#include "engine/settings_record.h"

namespace dialogs {

inline constexpr int CompressionLevelCount = 6; // five presets and "Custom"
inline constexpr int CustomLevelItem = engine::CustomCompressionLevel;

// The drop-down list's item for a level (level n is item n).
std::string_view compressionLevelCaption(int item);

struct CheckListBox {
  std::vector<std::string> Items;
  std::vector<bool> Checked; // one per item
};

using CheckLists = std::array<CheckListBox, engine::CompressorPartCount>;

struct AutoSkimPage {
  engine::ReplaceSelection replace = engine::ReplaceSelection::Dots;
  int levelItem = 0; // 0-4 the presets, 5 "Custom"
  CheckLists lists;
};

// Fills the five lists with the words of the five parts, all unchecked.
void BuildCbList(CheckLists& lists);

// The checked items of one list joined by ",", without blanks.
std::string checkedWordsText(const CheckListBox& list);

// The word list made from the checked words of all five lists.
std::string BuildASList(const CheckLists& lists);

// The next word of a comma list from `position` on: leading commas are
// skipped, the word runs up to the next comma. `position` moves past it; an
// empty result means the list is used up.
std::string GetExtractedWord(std::string_view list, std::size_t& position);

// Checks every item of `list` that equals `word` exactly (letter case included).
void LoadCbList(CheckListBox& list, std::string_view word);

// Unchecks all five lists, then checks every word of `wordList` wherever it
// occurs, in every list.
void LoadAllCbList(CheckLists& lists, std::string_view wordList);

void CheckAll(CheckListBox& list);
void UnCheckAll(CheckListBox& list);

// A change of the drop-down item: items 0-4 check lists 1..item+1 and
// uncheck the rest; "Custom" changes no check.
void selectCompressionLevel(AutoSkimPage& page, int item);

// A click on word `item` of list `list`, which the click left `checked`;
// the level becomes "Custom".
void wordClicked(AutoSkimPage& page, std::size_t list, std::size_t item, bool checked);

// Fills the page from the settings (the lists must have been built).
void LoadAutoSkimSettings(AutoSkimPage& page, const engine::SettingsRecord& settings);

// Stores the page: the replace mode, the level, and the built word list as
// the active list (`CompressorList`) and the custom list.
void SaveAutoSkimSettings(const AutoSkimPage& page, engine::SettingsRecord& settings);

} // namespace dialogs
