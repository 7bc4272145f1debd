#include "engine/autoskim.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(AutoSkimWord, DropsWholeListedWordsOnly) {
  SettingsRecord off = skimAt(4);
  off.CompressorStatus = false;
  // Words joined by '|': "-w" is dropped (shown as the dot, or nothing when
  // hidden), "w" kept as it is, "w>x" kept as x, "~w" kept but not as the dot.
  const struct {
    SettingsRecord settings;
    std::string words;
  } cases[] = {
      {skimAt(0), "-the|-THE|they|other|-...the|-!:;the|-\x85of|..hello>hello|hello.|-   the"},
      {skimAt(0), "-\tof|(the|'the"},
      {skimWithList(",(the,"), "(the"},
      {skimAt(0, ReplaceSelection::Hide), "-the|they"},
      {off, "the|...the|?!"},
      {skimAt(4), ""},                       // the empty word
      {skimAt(1), " |-to"},                  // a blank entry between parts
      {skimWithList(",,?,.,"), "~?|~..."},   // only stops
      {skimWithList(",I'll,I'm,"), "~I'll"}, // capitals in a custom list
      {skimWithList(","), "~the|~,"},
      // A thousands comma matches a run of entries.
      {skimWithList(",1,300,200,"), "-1,300|-300,200|~1,200|~1,"},
      {skimWithList("the,of,"), "the|-of"}, // the first entry without its leading comma
      {skimWithList(",they,other,"), "-They|-other|the"},
  };
  for (const auto& c : cases) {
    const CommaListSet set(c.settings.CompressorList);
    const bool hide = c.settings.CompressorReplaceSelection == ReplaceSelection::Hide;
    for (std::size_t from = 0, to; from <= c.words.size(); from = to + 1) {
      to = std::min(c.words.find('|', from), c.words.size());
      std::string in = c.words.substr(from, to - from), out = in;
      const bool dropped = in.starts_with('-'), anything = in.starts_with('~');
      if (dropped || anything) in = out = in.substr(1);
      if (const auto arrow = in.find('>'); arrow != std::string::npos) {
        out = in.substr(arrow + 1);
        in.resize(arrow);
      }
      if (dropped) out = hide ? "" : Dot;
      SCOPED_TRACE('"' + in + '"');
      // The hashed list gives what the search of the list gives.
      std::string hashed = in, word = in;
      EXPECT_EQ(autoSkimWord(c.settings, set, hashed), dropped);
      EXPECT_EQ(autoSkimWord(c.settings, word), dropped);
      EXPECT_EQ(hashed, word);
      if (anything)
        EXPECT_NE(word, Dot);
      else
        EXPECT_EQ(word, out);
    }
  }
}

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

TEST(AutoSkimScanning, DropsListedWordsWithTheirTailAndStillEndsTheRow) {
  EngineFixture fx("The cat, the, hat");
  fx.skim(",the,of,a, ");
  EXPECT_EQ(fx.words(), (Words{Dot, "cat, ", Dot, "hat "}));
  EngineFixture row("go to the\r\rnext");
  row.skim(",the,");
  row.engine.getNextWord();
  row.engine.getNextWord();
  EXPECT_EQ(row.engine.getNextWord(), Dot);
  EXPECT_TRUE(row.state.RowBreak);
}

TEST(AutoSkimScanning, DotsDoNotCountAsWordsOfALineNorForTheFrameTiming) {
  // One space after a run of dots.
  EngineFixture line("the cat of the hat sat");
  line.skim(",the,of,a, ");
  EXPECT_EQ(trim(line.engine.readLine(2)), "\xB7 cat \xB7\xB7 hat");
  EngineFixture fx("The cat sat on a mat. Then");
  fx.skim(",the,of,a, ");
  fx.layout(ReadingModeKind::Sentence, 3, 6);
  fx.engine.readLine(6);
  EXPECT_EQ(fx.timings, std::vector<std::int32_t>{4}) << "cat sat on mat";
}

TEST(CompressorSettings, OddStoredValuesGiveHideAndCustom) {
  for (const char* stored : {"dots", "", "Dots ", "anything"})
    EXPECT_EQ(replaceSelectionFromString(stored), ReplaceSelection::Hide) << '"' << stored << '"';
  EXPECT_EQ(replaceSelectionFromString("Dots"), ReplaceSelection::Dots);
  for (const char* stored : {"custom", "S90", "s40", "", "s90 "})
    EXPECT_EQ(compressionLevelFromString(stored), CustomCompressionLevel) << '"' << stored << '"';
  for (int level = 0; level < CompressorPartCount; ++level)
    EXPECT_EQ(compressionLevelFromString(compressionLevelToString(level)), level);
}

} // namespace
} // namespace engine
