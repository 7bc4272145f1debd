#include "dialogs/autoskim_page.h"

#include <algorithm>

namespace dialogs {

std::string_view compressionLevelCaption(int item) {
  static constexpr std::array<std::string_view, CompressionLevelCount> Captions = {
      "~10%", "~20%", "~30%", "~40%", "~50%", "Custom"};
  if (item < 0 || item >= CompressionLevelCount) return {};
  return Captions[static_cast<std::size_t>(item)];
}

void BuildCbList(CheckLists& lists) {
  for (int part = 0; part < engine::CompressorPartCount; ++part) {
    CheckListBox& list = lists[static_cast<std::size_t>(part)];
    list.Items = engine::compressorPartWords(part);
    list.Checked.assign(list.Items.size(), false);
  }
}

std::string checkedWordsText(const CheckListBox& list) {
  std::string text;
  for (std::size_t i = 0; i < list.Items.size(); ++i) {
    if (!list.Checked[i]) continue;
    if (!text.empty()) text += ',';
    text += list.Items[i];
  }
  return text;
}

std::string BuildASList(const CheckLists& lists) {
  std::string result;
  for (const CheckListBox& list : lists) {
    const std::string words = checkedWordsText(list);
    if (!words.empty()) result += "," + words;
  }
  return result + ",";
}

std::string GetExtractedWord(std::string_view list, std::size_t& position) {
  while (position < list.size() && list[position] == ',')
    ++position;
  const std::size_t start = position;
  while (position < list.size() && list[position] != ',')
    ++position;
  return std::string(list.substr(start, position - start));
}

void LoadCbList(CheckListBox& list, std::string_view word) {
  for (std::size_t i = 0; i < list.Items.size(); ++i)
    if (list.Items[i] == word) list.Checked[i] = true;
}

void LoadAllCbList(CheckLists& lists, std::string_view wordList) {
  for (CheckListBox& list : lists)
    UnCheckAll(list);
  std::size_t position = 0;
  for (std::string word = GetExtractedWord(wordList, position); !word.empty();
       word = GetExtractedWord(wordList, position))
    for (CheckListBox& list : lists)
      LoadCbList(list, word);
}

void CheckAll(CheckListBox& list) {
  std::fill(list.Checked.begin(), list.Checked.end(), true);
}

void UnCheckAll(CheckListBox& list) {
  std::fill(list.Checked.begin(), list.Checked.end(), false);
}

void selectCompressionLevel(AutoSkimPage& page, int item) {
  page.levelItem = item;
  if (item < 0 || item >= engine::CompressorPartCount) return;
  for (int i = 0; i < engine::CompressorPartCount; ++i) {
    CheckListBox& list = page.lists[static_cast<std::size_t>(i)];
    if (i <= item)
      CheckAll(list);
    else
      UnCheckAll(list);
  }
}

void wordClicked(AutoSkimPage& page, std::size_t list, std::size_t item, bool checked) {
  if (list < page.lists.size() && item < page.lists[list].Checked.size())
    page.lists[list].Checked[item] = checked;
  page.levelItem = CustomLevelItem;
}

void LoadAutoSkimSettings(AutoSkimPage& page, const engine::SettingsRecord& settings) {
  page.replace = settings.CompressorReplaceSelection;
  const int level = std::min<int>(settings.CompresionSetting, CustomLevelItem);
  if (level < CustomLevelItem) {
    selectCompressionLevel(page, level);
  } else {
    page.levelItem = CustomLevelItem;
    LoadAllCbList(page.lists, settings.CompressorList);
  }
}

void SaveAutoSkimSettings(const AutoSkimPage& page, engine::SettingsRecord& settings) {
  settings.CompressorReplaceSelection = page.replace;
  settings.CompresionSetting = static_cast<std::uint8_t>(page.levelItem);
  settings.CompressorList = BuildASList(page.lists);
  settings.UserDefinedCompressorSet = settings.CompressorList;
}

} // namespace dialogs
