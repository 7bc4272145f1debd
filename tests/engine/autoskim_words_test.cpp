#include "engine/autoskim_words.h"

#include <gtest/gtest.h>

#include <string>

namespace engine {
namespace {

TEST(CompressorPresets, EachLevelAddsToTheOneBeforeAndOnlyCustomTakesTheUserList) {
  for (int k = 1; k < CompressorPartCount; ++k) {
    EXPECT_EQ(presetWordList(k).rfind(presetWordList(k - 1), 0), 0u) << "level " << k;
    EXPECT_GT(presetWordList(k).size(), presetWordList(k - 1).size()) << "level " << k;
  }
  EXPECT_EQ(presetWordList(-1), "");
  EXPECT_EQ(presetWordList(CustomCompressionLevel), "");
  EXPECT_EQ(activeCompressorList(4, ",x,"), presetWordList(4));
  EXPECT_EQ(activeCompressorList(CustomCompressionLevel, ",x,y,"), ",x,y,");
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

} // namespace
} // namespace engine
