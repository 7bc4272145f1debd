#include "engine/autoskim.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "engine/autoskim_words.h"
#include "engine/text_helpers.h"
#include "engine_fixture.h"

namespace engine {
namespace {

using testing::EngineFixture;
using Words = std::vector<std::string>;

const std::string Dot(1, '\xB7');

SettingsRecord skimAt(int level, ReplaceSelection mode = ReplaceSelection::Dots) {
  SettingsRecord settings;
  settings.CompressorStatus = true;
  settings.CompressorReplaceSelection = mode;
  settings.CompresionSetting = static_cast<std::uint8_t>(level);
  settings.CompressorList = presetWordList(level);
  return settings;
}

SettingsRecord skimWithList(const std::string& list) {
  SettingsRecord settings = skimAt(CustomCompressionLevel);
  settings.UserDefinedCompressorSet = settings.CompressorList = list;
  return settings;
}

struct WordCase {
  const char* in;
  bool dropped;
  const char* out; // the word afterwards; null: anything but the dot
};

TEST(AutoSkimWord, DropsWholeListedWordsOnly) {
  SettingsRecord off = skimAt(4);
  off.CompressorStatus = false;
  const struct {
    const char* name;
    SettingsRecord settings;
    std::vector<WordCase> words;
  } cases[] = {
      {"s90",
       skimAt(0),
       {{"the", true, "\xB7"},
        {"THE", true, "\xB7"},
        {"they", false, "they"},
        {"other", false, "other"},
        {"...the", true, "\xB7"},
        {"!:;the", true, "\xB7"},
        {"\x85of", true, "\xB7"},
        {"..hello", false, "hello"},
        {"hello.", false, "hello."},
        {"   the", true, "\xB7"},
        {"\tof", true, "\xB7"},
        {"(the", false, "(the"},
        {"'the", false, "'the"}}},
      {"bracketEntry", skimWithList(",(the,"), {{"(the", false, "(the"}}},
      {"hide", skimAt(0, ReplaceSelection::Hide), {{"the", true, ""}, {"they", false, "they"}}},
      {"off", off, {{"the", false, "the"}, {"...the", false, "...the"}, {"?!", false, "?!"}}},
      {"emptyWord", skimAt(4), {{"", false, ""}}},
      {"blankEntryBetweenParts", skimAt(1), {{" ", false, " "}, {"to", true, "\xB7"}}},
      {"onlyStops", skimWithList(",,?,.,"), {{"?", false, nullptr}, {"...", false, nullptr}}},
      {"capitalsInACustomList", skimWithList(",I'll,I'm,"), {{"I'll", false, nullptr}}},
      {"emptyList", skimWithList(","), {{"the", false, nullptr}, {",", false, nullptr}}},
      {"thousandsCommaMatchesARunOfEntries",
       skimWithList(",1,300,200,"),
       {{"1,300", true, "\xB7"},
        {"300,200", true, "\xB7"},
        {"1,200", false, nullptr},
        {"1,", false, nullptr}}},
      {"firstEntryWithoutLeadingComma",
       skimWithList("the,of,"),
       {{"the", false, "the"}, {"of", true, "\xB7"}}},
      {"custom",
       skimWithList(",they,other,"),
       {{"They", true, "\xB7"}, {"other", true, "\xB7"}, {"the", false, "the"}}},
  };
  for (const auto& c : cases) {
    for (const WordCase& w : c.words) {
      // The hashed list gives what the search of the list gives.
      std::string hashed = w.in;
      const CommaListSet set(c.settings.CompressorList);
      EXPECT_EQ(autoSkimWord(c.settings, set, hashed), w.dropped) << c.name << " \"" << w.in << '"';
      std::string word = w.in;
      EXPECT_EQ(autoSkimWord(c.settings, word), w.dropped) << c.name << " \"" << w.in << '"';
      EXPECT_EQ(hashed, word) << c.name << " \"" << w.in << '"';
      if (w.out)
        EXPECT_EQ(word, w.out) << c.name << " \"" << w.in << '"';
      else
        EXPECT_NE(word, Dot) << c.name << " \"" << w.in << '"';
    }
  }
}

TEST(AutoSkimWord, EveryLowerCaseWordOfTheFullListIsDroppedAtS50) {
  const SettingsRecord s = skimAt(4);
  int capitalised = 0;
  for (int part = 0; part < CompressorPartCount; ++part) {
    for (const std::string& entry : compressorPartWords(part)) {
      std::string word = entry;
      const bool hasCapital =
          std::any_of(entry.begin(), entry.end(), [](char c) { return std::isupper(c); });
      capitalised += hasCapital;
      EXPECT_EQ(autoSkimWord(s, word), !hasCapital) << entry;
    }
  }
  EXPECT_GT(capitalised, 0); // "I'll" and its kind are never matched
}

// ---- AutoSkim while the document is scanned --------------------------------------

TEST(AutoSkimScanning, AListChangedWhileReadingTakesEffectAtTheNextWord) {
  EngineFixture fx("the cat the cat");
  fx.skim(",the,");
  EXPECT_EQ(fx.engine.getNextWord(), Dot);
  EXPECT_EQ(fx.engine.getNextWord(), "cat ");
  fx.settings.CompressorList = ",cat,";
  EXPECT_EQ(fx.words(), (Words{"the ", Dot}));

  // A line looks the list up when it starts.
  EngineFixture lines("the cat sat the cat sat");
  lines.layout(ReadingModeKind::Banner, 1, 2);
  lines.skim(",the,");
  EXPECT_EQ(lines.engine.readLine(2), Dot + " cat sat ");
  lines.settings.CompressorList = ",cat,";
  EXPECT_EQ(lines.engine.readLine(2), "the " + Dot + " sat ");
}

TEST(AutoSkimScanning, DropsListedWordsWithTheirTail) {
  EngineFixture fx("The cat, the, hat");
  fx.skim(",the,of,a, ");
  EXPECT_EQ(fx.words(), (Words{Dot, "cat, ", Dot, "hat "}));
  fx.settings.CompressorReplaceSelection = ReplaceSelection::Hide;
  fx.state.CurrentPosition = 1;
  EXPECT_EQ(fx.words(), (Words{"", "cat, ", "", "hat "}));
}

TEST(AutoSkimScanning, DroppedWordStillEndsTheRow) {
  EngineFixture fx("go to the\r\rnext");
  fx.skim(",the,");
  fx.engine.getNextWord();
  fx.engine.getNextWord();
  EXPECT_EQ(fx.engine.getNextWord(), Dot);
  EXPECT_TRUE(fx.state.RowBreak);
}

TEST(AutoSkimScanning, DotsDoNotCountAsWordsOfALine) {
  const struct {
    const char* text;
    std::uint8_t perLine;
    const char* line;
  } cases[] = {{"the cat of the hat sat", 2, "\xB7 cat \xB7\xB7 hat"},
               {"cat of the a dog", 3, "cat \xB7\xB7\xB7 dog"}, // one space after a run of dots
               {"cat the of dog a bird fish", 3, "cat \xB7\xB7 dog \xB7 bird"}};
  for (const auto& c : cases) {
    EngineFixture fx(c.text);
    fx.skim(",the,of,a, ");
    EXPECT_EQ(trim(fx.engine.readLine(c.perLine)), c.line) << c.text;
  }
}

TEST(AutoSkimScanning, DotsDoNotCountForTheFrameTiming) {
  EngineFixture fx("The cat sat on a mat. Then");
  fx.skim(",the,of,a, ");
  fx.settings.ReadingMode = ReadingModeKind::Sentence;
  fx.state.LinesInFrame = 3;
  fx.engine.readLine(6);
  ASSERT_FALSE(fx.timings.empty());
  EXPECT_EQ(fx.timings.back(), 4) << "cat sat on mat";
}

} // namespace
} // namespace engine
