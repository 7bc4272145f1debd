// The AutoSkim presets, the stored AutoSkim settings and the custom list of
// the options dialog.
#include "engine/autoskim_words.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace engine {
namespace {

TEST(CompressorPresets, EachPresetJoinsThePartsUpToItsLevel) {
  for (int k = 0; k < CompressorPartCount; ++k) {
    const std::string before = k > 0 ? presetWordList(k - 1) : "";
    EXPECT_EQ(presetWordList(k), before + std::string(compressorPartText(k))) << "level " << k;
    EXPECT_EQ(compressorPresets()[k].words, presetWordList(k));
  }
  EXPECT_EQ(presetWordList(-1), "");
  EXPECT_EQ(presetWordList(5), "");
  // The custom list is used only at the custom level.
  EXPECT_EQ(activeCompressorList(0, ",x,"), presetWordList(0));
  EXPECT_EQ(activeCompressorList(4, ",x,"), presetWordList(4));
  EXPECT_EQ(activeCompressorList(5, ",x,y,"), ",x,y,");
}

TEST(CompressorSettings, OddStoredValuesGiveHideAndCustom) {
  for (const char* stored : {"dots", "", "Dots ", "anything"})
    EXPECT_EQ(replaceSelectionFromString(stored), ReplaceSelection::Hide) << '"' << stored << '"';
  EXPECT_EQ(replaceSelectionFromString("Dots"), ReplaceSelection::Dots);
  for (const char* stored : {"custom", "S90", "s40", "", "s90 "})
    EXPECT_EQ(compressionLevelFromString(stored), CustomCompressionLevel) << '"' << stored << '"';
  for (int level = 0; level < CompressorPartCount; ++level)
    EXPECT_EQ(compressionLevelFromString(compressionLevelToString(level)), level);
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

TEST(CustomCompressorList, CheckedWordsSurviveBuildAndLoad) {
  CheckedWordLists checked{
      {{"a"}, {"you", "for"}, {}, {"water", "may"}, {"able", "yours", "I'll"}}};
  const WordChecks checks = checkedWordsInList(buildCustomCompressorList(checked));
  for (int part = 0; part < CompressorPartCount; ++part) {
    const std::vector<std::string> words = compressorPartWords(part);
    ASSERT_EQ(checks[part].size(), words.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
      const bool expected =
          std::find(checked[part].begin(), checked[part].end(), words[i]) != checked[part].end();
      EXPECT_EQ(checks[part][i], expected) << words[i];
    }
  }
}

TEST(CustomCompressorList, LoadingTicksOnlyWholeEntriesWithTheirCase) {
  // "other" holds "the" and "he" but is neither; the rest tick nothing.
  for (const char* list : {",other,", ",THE,", "", ",", ", ,", "the,of", "garbage"}) {
    const WordChecks checks = checkedWordsInList(list);
    int ticked = 0;
    for (const auto& part : checks)
      ticked += static_cast<int>(std::count(part.begin(), part.end(), true));
    EXPECT_EQ(ticked, std::string(list) == ",other," ? 1 : 0) << '"' << list << '"';
  }
  EXPECT_TRUE(checkedWordsInList(",other,")[3][15]); // the 16th word of part 4
}

} // namespace
} // namespace engine
