#include "engine/autoskim_words.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace engine {
namespace {

// ---- The stored parts -------------------------------------------------------

struct PartCase {
  int index;
  std::size_t words;
  const char* first;
  const char* last;
};

class CompressorPartTest : public ::testing::TestWithParam<PartCase> {};

TEST_P(CompressorPartTest, HoldsItsWordsInStoredOrder) {
  const PartCase& c = GetParam();
  const std::vector<std::string> words = compressorPartWords(c.index);
  ASSERT_EQ(words.size(), c.words);
  EXPECT_EQ(words.front(), c.first);
  EXPECT_EQ(words.back(), c.last);
}

TEST_P(CompressorPartTest, IsStoredAsCommaListEndingInCommaSpace) {
  const std::string_view text = compressorPartText(GetParam().index);
  ASSERT_GE(text.size(), 3u);
  EXPECT_EQ(text.front(), ',');
  EXPECT_EQ(text.substr(text.size() - 2), ", ");
  EXPECT_EQ(text.find(", ", 0), text.size() - 2) << "no blank entries inside a part";
}

INSTANTIATE_TEST_SUITE_P(AllParts, CompressorPartTest,
                         ::testing::Values(PartCase{0, 3, "the", "a"}, PartCase{1, 8, "to", "for"},
                                           PartCase{2, 18, "on", "said"},
                                           PartCase{3, 45, "and", "may"},
                                           PartCase{4, 453, "able", "yours"}));

TEST(CompressorParts, FirstThreePartsAreStoredExactly) {
  EXPECT_EQ(compressorPartText(0), ",the,of,a, ");
  EXPECT_EQ(compressorPartText(1), ",to,in,is,you,it,he,was,for, ");
  EXPECT_EQ(compressorPartText(2),
            ",on,are,as,his,they,i,at,be,have,had,by,what,all,were,we,your,can,said, ");
}

TEST(CompressorParts, LastPartKeepsItsDuplicates) {
  const std::vector<std::string> words = compressorPartWords(4);
  for (const char* repeated : {"I'll", "it's", "modern"})
    EXPECT_EQ(std::count(words.begin(), words.end(), repeated), 2) << repeated;
  // Possessive and plural forms are separate entries.
  EXPECT_EQ(std::count(words.begin(), words.end(), "bases's"), 1);
  EXPECT_EQ(std::count(words.begin(), words.end(), "animals'"), 1);
}

TEST(CompressorParts, IndexesOutsideTheFivePartsAreEmpty) {
  for (int index : {-1, 5, 100}) {
    EXPECT_TRUE(compressorPartText(index).empty());
    EXPECT_TRUE(compressorPartWords(index).empty());
  }
}

// ---- Presets ------------------------------------------------------------------

TEST(CompressorPresets, AreNamedSetting1ToSetting5) {
  const auto& presets = compressorPresets();
  for (int k = 0; k < CompressorPartCount; ++k)
    EXPECT_EQ(presets[k].name, "Setting" + std::to_string(k + 1));
}

TEST(CompressorPresets, EachPresetJoinsTheParts) {
  EXPECT_EQ(presetWordList(0), ",the,of,a, ");
  EXPECT_EQ(presetWordList(1), ",the,of,a, ,to,in,is,you,it,he,was,for, ");
  for (int k = 1; k < CompressorPartCount; ++k) {
    const std::string before = presetWordList(k - 1);
    const std::string list = presetWordList(k);
    EXPECT_EQ(list.substr(0, before.size()), before) << "preset " << k + 1;
    EXPECT_EQ(list.substr(before.size()), compressorPartText(k)) << "preset " << k + 1;
  }
}

TEST(CompressorPresets, LevelsOutsideThePresetsGiveNoList) {
  EXPECT_EQ(presetWordList(-1), "");
  EXPECT_EQ(presetWordList(5), "");
}

TEST(CompressorPresets, ActiveListIsThePresetOrTheCustomSet) {
  EXPECT_EQ(activeCompressorList(0, ",x,"), ",the,of,a, ");
  EXPECT_EQ(activeCompressorList(4, ",x,"), presetWordList(4));
  EXPECT_EQ(activeCompressorList(5, ",x,y,"), ",x,y,");
  EXPECT_EQ(activeCompressorList(5, ""), "");
}

// ---- Stored values ------------------------------------------------------------

TEST(CompressorSettings, ReplaceModeIsDotsOnlyForTheExactWord) {
  const struct {
    const char* stored;
    int mode;
    ReplaceSelection selection;
  } cases[] = {
      {"Dots", 0, ReplaceSelection::Dots},  {"Hide", 2, ReplaceSelection::Hide},
      {"dots", 2, ReplaceSelection::Hide},  {"", 2, ReplaceSelection::Hide},
      {"Dots ", 2, ReplaceSelection::Hide}, {"anything", 2, ReplaceSelection::Hide},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(replaceModeFromString(c.stored), c.mode) << '"' << c.stored << '"';
    EXPECT_EQ(replaceSelectionFromString(c.stored), c.selection) << '"' << c.stored << '"';
  }
  EXPECT_EQ(replaceSelectionToString(ReplaceSelection::Dots), "Dots");
  EXPECT_EQ(replaceSelectionToString(ReplaceSelection::Hide), "Hide");
}

TEST(CompressorSettings, LevelFromStoredSetting) {
  const struct {
    const char* stored;
    int level;
  } cases[] = {{"s90", 0},    {"s80", 1}, {"s70", 2}, {"s60", 3}, {"s50", 4},
               {"custom", 5}, {"S90", 5}, {"s40", 5}, {"", 5},    {"s90 ", 5}};
  for (const auto& c : cases)
    EXPECT_EQ(compressionLevelFromString(c.stored), c.level) << '"' << c.stored << '"';
}

TEST(CompressorSettings, LevelToStoredSetting) {
  const char* names[] = {"s90", "s80", "s70", "s60", "s50"};
  for (int level = 0; level < 5; ++level)
    EXPECT_EQ(compressionLevelToString(level), names[level]);
  EXPECT_EQ(compressionLevelToString(5), "custom");
  EXPECT_EQ(compressionLevelToString(-3), "custom");
}

// ---- The custom list of the options dialog -----------------------------------

TEST(CustomCompressorList, BuiltFromTheCheckedWordsOfEachList) {
  const struct {
    CheckedWordLists checked;
    const char* list;
  } cases[] = {
      {{}, ","},
      {{{{"the", "of"}, {}, {}, {}, {}}}, ",the,of,"},
      {{{{}, {"to"}, {}, {}, {}}}, ",to,"},
      {{{{"the"}, {}, {"on", "are"}, {}, {"I'll"}}}, ",the,on,are,I'll,"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(buildCustomCompressorList(c.checked), c.list);
}

int countChecked(const std::vector<bool>& checks) {
  return static_cast<int>(std::count(checks.begin(), checks.end(), true));
}

TEST(CustomCompressorList, PresetListChecksExactlyItsParts) {
  const WordChecks checks = checkedWordsInList(presetWordList(1));
  EXPECT_EQ(countChecked(checks[0]), 3);
  EXPECT_EQ(countChecked(checks[1]), 8);
  EXPECT_EQ(countChecked(checks[2]), 0);
  EXPECT_EQ(countChecked(checks[3]), 0);
  EXPECT_EQ(countChecked(checks[4]), 0);
  // Every list is as long as its part, duplicates included.
  EXPECT_EQ(checks[4].size(), 453u);
}

TEST(CustomCompressorList, OnlyWholeEntriesAreChecked) {
  // "other" holds "the" and "he" but is neither.
  const WordChecks checks = checkedWordsInList(",other,");
  EXPECT_EQ(countChecked(checks[0]), 0);
  EXPECT_EQ(countChecked(checks[1]), 0);
  EXPECT_EQ(countChecked(checks[3]), 1);
  EXPECT_TRUE(checks[3][15]); // "other" is the 16th word of part 4
}

TEST(CustomCompressorList, EntriesAreMatchedWithTheirCase) {
  const WordChecks checks = checkedWordsInList(",I'll,the,");
  EXPECT_TRUE(checks[0][0]);
  const std::vector<std::string> words = compressorPartWords(4);
  for (std::size_t i = 0; i < words.size(); ++i)
    EXPECT_EQ(checks[4][i], words[i] == "I'll") << words[i];
  EXPECT_EQ(countChecked(checkedWordsInList(",THE,")[0]), 0);
}

TEST(CustomCompressorList, CheckedWordsSurviveBuildAndLoad) {
  CheckedWordLists checked{{{"a"}, {"you", "for"}, {}, {"water", "may"}, {"able", "yours"}}};
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

TEST(CustomCompressorList, EmptyOrMalformedListsCheckNothing) {
  for (const char* list : {"", ",", ", ,", "the,of", "garbage"}) {
    const WordChecks checks = checkedWordsInList(list);
    for (int part = 0; part < CompressorPartCount; ++part)
      EXPECT_EQ(countChecked(checks[part]), 0) << list;
  }
}

} // namespace
} // namespace engine
