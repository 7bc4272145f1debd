#include "engine/autoskim_words.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace engine {
namespace {

TEST(CompressorParts, AreCommaListsOfTheirWordsDuplicatesKept) {
  const std::size_t sizes[] = {3, 8, 18, 45, 453};
  for (int part = 0; part < CompressorPartCount; ++part) {
    EXPECT_EQ(compressorPartWords(part).size(), sizes[part]) << part;
    const std::string_view text = compressorPartText(part);
    ASSERT_GE(text.size(), 3u);
    EXPECT_EQ(text.front(), ',');
    EXPECT_EQ(text.find(", "), text.size() - 2) << "ends with a comma and a space, no blank inside";
  }
  const std::vector<std::string> words = compressorPartWords(4);
  for (const char* repeated : {"I'll", "it's", "modern"})
    EXPECT_EQ(std::count(words.begin(), words.end(), repeated), 2) << repeated;
  for (int index : {-1, 5, 100}) {
    EXPECT_TRUE(compressorPartText(index).empty());
    EXPECT_TRUE(compressorPartWords(index).empty());
  }
}

TEST(CompressorPresets, EachPresetJoinsThePartsUpToItsLevel) {
  const auto& presets = compressorPresets();
  for (int k = 0; k < CompressorPartCount; ++k) {
    const std::string before = k > 0 ? presetWordList(k - 1) : "";
    const std::string list = presetWordList(k);
    EXPECT_EQ(list, before + std::string(compressorPartText(k))) << "preset " << k + 1;
    EXPECT_EQ(presets[k].name, "Setting" + std::to_string(k + 1));
    EXPECT_EQ(presets[k].words, list);
  }
  EXPECT_EQ(presetWordList(-1), "");
  EXPECT_EQ(presetWordList(5), "");
  EXPECT_EQ(activeCompressorList(0, ",x,"), presetWordList(0));
  EXPECT_EQ(activeCompressorList(4, ",x,"), presetWordList(4));
  EXPECT_EQ(activeCompressorList(5, ",x,y,"), ",x,y,");
  EXPECT_EQ(activeCompressorList(5, ""), "");
}

TEST(CompressorSettings, StoredValues) {
  const std::pair<const char*, ReplaceSelection> modes[] = {
      {"Dots", ReplaceSelection::Dots},  {"Hide", ReplaceSelection::Hide},
      {"dots", ReplaceSelection::Hide},  {"", ReplaceSelection::Hide},
      {"Dots ", ReplaceSelection::Hide}, {"anything", ReplaceSelection::Hide}};
  for (const auto& [stored, selection] : modes) {
    EXPECT_EQ(replaceModeFromString(stored), selection == ReplaceSelection::Dots ? 0 : 2) << stored;
    EXPECT_EQ(replaceSelectionFromString(stored), selection) << '"' << stored << '"';
  }
  EXPECT_EQ(replaceSelectionToString(ReplaceSelection::Dots), "Dots");
  EXPECT_EQ(replaceSelectionToString(ReplaceSelection::Hide), "Hide");
  const std::pair<const char*, int> levels[] = {{"s90", 0}, {"s80", 1},    {"s70", 2}, {"s60", 3},
                                                {"s50", 4}, {"custom", 5}, {"S90", 5}, {"s40", 5},
                                                {"", 5},    {"s90 ", 5}};
  for (const auto& [stored, level] : levels)
    EXPECT_EQ(compressionLevelFromString(stored), level) << '"' << stored << '"';
  for (int level = 0; level < 5; ++level)
    EXPECT_EQ(compressionLevelFromString(compressionLevelToString(level)), level);
  EXPECT_EQ(compressionLevelToString(5), "custom");
  EXPECT_EQ(compressionLevelToString(-3), "custom");
}

// ---- The custom list of the options dialog -----------------------------------

TEST(CustomCompressorList, BuiltFromTheCheckedWordsOfEachList) {
  const std::pair<CheckedWordLists, const char*> cases[] = {
      {{}, ","},
      {{{{"the", "of"}, {}, {}, {}, {}}}, ",the,of,"},
      {{{{}, {"to"}, {}, {}, {}}}, ",to,"},
      {{{{"the"}, {}, {"on", "are"}, {}, {"I'll"}}}, ",the,on,are,I'll,"}};
  for (const auto& [checked, list] : cases)
    EXPECT_EQ(buildCustomCompressorList(checked), list);
}

TEST(CustomCompressorList, ChecksOnlyWholeEntriesWithTheirCase) {
  const struct {
    std::string list;
    std::array<int, CompressorPartCount> counts;
  } cases[] = {{presetWordList(1), {3, 8, 0, 0, 0}},
               {",other,", {0, 0, 0, 1, 0}}, // "other" holds "the" and "he" but is neither
               {",I'll,the,", {1, 0, 0, 0, 2}},
               {",THE,", {}},
               {"", {}},
               {",", {}},
               {", ,", {}},
               {"the,of", {}},
               {"garbage", {}}};
  for (const auto& c : cases) {
    const WordChecks checks = checkedWordsInList(c.list);
    for (int part = 0; part < CompressorPartCount; ++part) {
      EXPECT_EQ(checks[part].size(), compressorPartWords(part).size());
      EXPECT_EQ(std::count(checks[part].begin(), checks[part].end(), true), c.counts[part])
          << '"' << c.list << "\" part " << part;
    }
  }
  EXPECT_TRUE(checkedWordsInList(",other,")[3][15]); // the 16th word of part 4
}

TEST(CustomCompressorList, CheckedWordsSurviveBuildAndLoad) {
  CheckedWordLists checked{
      {{"a"}, {"you", "for"}, {}, {"water", "may"}, {"able", "yours", "I'll"}}};
  const WordChecks checks = checkedWordsInList(buildCustomCompressorList(checked));
  for (int part = 0; part < CompressorPartCount; ++part) {
    const std::vector<std::string> words = compressorPartWords(part);
    for (std::size_t i = 0; i < words.size(); ++i) {
      const bool expected =
          std::find(checked[part].begin(), checked[part].end(), words[i]) != checked[part].end();
      EXPECT_EQ(checks[part][i], expected) << words[i];
    }
  }
}

} // namespace
} // namespace engine
