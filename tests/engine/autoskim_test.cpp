#include "engine/autoskim.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "engine/autoskim_words.h"
#include "engine/engine_state.h"
#include "engine/text_engine.h"
#include "platform/fixed_width_measure.h"

namespace engine {
namespace {

SettingsRecord skimAt(int level, ReplaceSelection mode = ReplaceSelection::Dots) {
  SettingsRecord settings;
  settings.CompressorStatus = true;
  settings.CompressorReplaceSelection = mode;
  settings.CompresionSetting = static_cast<std::uint8_t>(level);
  settings.CompressorList = presetWordList(level);
  return settings;
}

SettingsRecord skimWithList(const std::string& list) {
  SettingsRecord settings;
  settings.CompressorStatus = true;
  settings.CompresionSetting = CustomCompressionLevel;
  settings.UserDefinedCompressorSet = list;
  settings.CompressorList = list;
  return settings;
}

struct WordCase {
  const char* in;
  bool dropped;
  const char* out; // the word afterwards
};

void expectCases(const SettingsRecord& settings, std::initializer_list<WordCase> cases) {
  for (const auto& c : cases) {
    std::string word = c.in;
    EXPECT_EQ(autoSkimWord(settings, word), c.dropped) << '"' << c.in << '"';
    EXPECT_EQ(word, c.out) << '"' << c.in << '"';
  }
}

const std::string Dot(1, '\xB7');

TEST(AutoSkimWord, CommonestWordsDroppedInAnyCaseAtLevel90) {
  const SettingsRecord s = skimAt(0);
  expectCases(s, {{"the", true, "\xB7"},
                  {"The", true, "\xB7"},
                  {"THE", true, "\xB7"},
                  {"of", true, "\xB7"},
                  {"Of", true, "\xB7"},
                  {"a", true, "\xB7"},
                  {"A", true, "\xB7"}});
}

TEST(AutoSkimWord, WordsHoldingAListedWordAreKept) {
  expectCases(skimAt(0), {{"they", false, "they"},
                          {"other", false, "other"},
                          {"theme", false, "theme"},
                          {"an", false, "an"},
                          {"off", false, "off"},
                          {"th", false, "th"}});
}

TEST(AutoSkimWord, HideModeLeavesNothing) {
  expectCases(skimAt(0, ReplaceSelection::Hide), {{"the", true, ""}, {"they", false, "they"}});
}

TEST(AutoSkimWord, SwitchedOffChangesNothing) {
  SettingsRecord s = skimAt(4);
  s.CompressorStatus = false;
  expectCases(s, {{"the", false, "the"}, {"...the", false, "...the"}, {"?!", false, "?!"}});
}

TEST(AutoSkimWord, HigherLevelsDropMore) {
  const struct {
    const char* word;
    int firstLevel; // the lowest level (0 = "s90") that drops it
  } cases[] = {{"the", 0}, {"was", 1},  {"they", 2},  {"said", 2}, {"other", 3},
               {"may", 3}, {"able", 4}, {"yours", 4}, {"it's", 4}, {"zebra", 99}};
  for (const auto& c : cases) {
    for (int level = 0; level < CompressorPartCount; ++level) {
      std::string word = c.word;
      EXPECT_EQ(autoSkimWord(skimAt(level), word), level >= c.firstLevel)
          << c.word << " at level " << level;
    }
  }
}

TEST(AutoSkimWord, LeadingStopPunctuationIsAlwaysRemoved) {
  expectCases(skimAt(0), {{"...the", true, "\xB7"},
                          {"?the", true, "\xB7"},
                          {"!:;the", true, "\xB7"},
                          {"\x85of", true, "\xB7"},
                          {"..hello", false, "hello"},
                          {"hello.", false, "hello."}});
}

TEST(AutoSkimWord, WordsOfStopPunctuationAreNeverDropped) {
  // A list that would match anything left once the punctuation is gone.
  const SettingsRecord s = skimWithList(",,?,.,");
  for (const char* word : {"?", "...", "?!", ";:"}) {
    std::string w = word;
    EXPECT_FALSE(autoSkimWord(s, w)) << word;
    EXPECT_NE(w, Dot) << word;
  }
}

TEST(AutoSkimWord, WordMustBeginWithLetterOrDigit) {
  expectCases(skimAt(0), {{"(the", false, "(the"}, {"'the", false, "'the"}});
  expectCases(skimWithList(",(the,"), {{"(the", false, "(the"}});
}

TEST(AutoSkimWord, KeyIsTrimmed) {
  expectCases(skimAt(0),
              {{"   the", true, "\xB7"}, {"the ", true, "\xB7"}, {"\tof", true, "\xB7"}});
}

TEST(AutoSkimWord, EmptyWordIsLeftAlone) {
  expectCases(skimAt(4), {{"", false, ""}});
}

TEST(AutoSkimWord, EntriesWithCapitalsNeverMatch) {
  const SettingsRecord s = skimWithList(",I'll,I've,I'm,I'd,");
  for (const char* word : {"I'll", "i'll", "I'LL", "I've", "I'm", "i'm", "I'd"}) {
    std::string w = word;
    EXPECT_FALSE(autoSkimWord(s, w)) << word;
  }
}

TEST(AutoSkimWord, EveryLowerCaseWordOfTheFullListIsDroppedAtLevel50) {
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
  // "I'll" (twice), "I've", "I'm", "I'd".
  EXPECT_EQ(capitalised, 5);
}

TEST(AutoSkimWord, EmptyCustomSelectionDropsNothing) {
  const std::string list = buildCustomCompressorList({});
  ASSERT_EQ(list, ",");
  const SettingsRecord s = skimWithList(list);
  for (const char* word : {"the", "a", "of", "x", ","}) {
    std::string w = word;
    EXPECT_FALSE(autoSkimWord(s, w)) << word;
  }
}

TEST(AutoSkimWord, BlankEntriesBetweenPartsMatchNothing) {
  // Joined presets hold ", ," where two parts meet.
  expectCases(skimAt(1), {{" ", false, " "}, {"to", true, "\xB7"}});
}

TEST(AutoSkimWord, CustomListDropsOnlyItsWords) {
  SettingsRecord s = skimWithList(buildCustomCompressorList({{{}, {}, {"they"}, {"other"}, {}}}));
  expectCases(s, {{"They", true, "\xB7"}, {"other", true, "\xB7"}, {"the", false, "the"}});
}

// ---- AutoSkim while the document is scanned --------------------------------------

// A document read by the engine with AutoSkim at a preset level, on a
// fixed-width measure wide enough for any line.
struct SkimReading {
  EngineState st;
  SettingsRecord settings;
  platform::FixedWidthMeasure measure{10, 20};
  std::vector<std::int32_t> timings;
  TextEngine engine;

  SkimReading(const std::string& text, int level, ReplaceSelection mode = ReplaceSelection::Dots)
      : settings(skimAt(level, mode)), engine(st, settings, measure, callbacks()) {
    setDocumentText(st, text);
    st.bannerTextWidth = 10000;
    st.columnTextWidth = 10000;
    st.LinesInFrame = 1;
  }

  EngineCallbacks callbacks() {
    EngineCallbacks c;
    c.setFrameTiming = [this](std::int32_t words) { timings.push_back(words); };
    return c;
  }

  // Every word to the end; the scanner leaves CurrentPosition on the last
  // character once the end is reached.
  std::vector<std::string> words() {
    std::vector<std::string> out;
    for (int guard = 0; guard < 1000; ++guard) {
      out.push_back(engine.getNextWord());
      if (st.CurrentPosition >= st.TextLength) break;
    }
    return out;
  }
};

std::string trimmedWord(const std::string& w) {
  const auto first = w.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return w.substr(first, w.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> trimmedWords(SkimReading& r) {
  std::vector<std::string> out;
  for (const std::string& w : r.words())
    out.push_back(trimmedWord(w));
  return out;
}

TEST(AutoSkimScanning, DroppedWordsBecomeDotsWithTheirTail) {
  SkimReading r("The cat, the, dog of a bird.", 0);
  EXPECT_EQ(trimmedWords(r),
            (std::vector<std::string>{Dot, "cat,", Dot, "dog", Dot, Dot, "bird."}));
}

TEST(AutoSkimScanning, HideModeLeavesEmptyWords) {
  SkimReading r("The cat, the, dog", 0, ReplaceSelection::Hide);
  EXPECT_EQ(trimmedWords(r), (std::vector<std::string>{"", "cat,", "", "dog"}));
}

TEST(AutoSkimScanning, SwitchedOffReadsEveryWord) {
  SkimReading r("The cat, the, dog", 4);
  r.settings.CompressorStatus = false;
  EXPECT_EQ(trimmedWords(r), (std::vector<std::string>{"The", "cat,", "the,", "dog"}));
}

TEST(AutoSkimScanning, RunOfDotsIsFollowedByOneSpace) {
  SkimReading r("cat of the a dog", 0);
  r.settings.WordsPerScreen = 6;
  const std::string line = r.engine.readLine(6);
  EXPECT_EQ(trimmedWord(line), "cat \xB7\xB7\xB7 dog") << line;
}

TEST(AutoSkimScanning, DotsDoNotCountTowardsTheWordsOfALine) {
  SkimReading r("cat the of dog a bird fish", 0);
  r.settings.WordsPerScreen = 3;
  const std::string line = r.engine.readLine(3);
  // Three real words and the dots between them.
  EXPECT_EQ(trimmedWord(line), "cat \xB7\xB7 dog \xB7 bird") << line;
}

TEST(AutoSkimScanning, DotsDoNotCountForTheFrameTiming) {
  SkimReading r("The cat sat on a mat. Then", 0);
  r.settings.ReadingMode = ReadingModeKind::Sentence;
  r.st.LinesInFrame = 3;
  r.engine.readLine(6);
  ASSERT_FALSE(r.timings.empty());
  EXPECT_EQ(r.timings.back(), 4) << "cat sat on mat";
}

} // namespace
} // namespace engine
