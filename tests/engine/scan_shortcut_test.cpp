// The scanner's shortcut for a plain word and its space gives the scan of every step.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>

#include "engine/engine_state.h"
#include "engine/settings_record.h"
#include "engine/text_engine.h"
#include "engine/text_helpers.h"
#include "engine/word_scanner.h"

namespace engine {
namespace {

using namespace std::string_literals;

// Every field of a scan, for one comparison that prints both sides.
auto fields(const WordScan& s) {
  return std::tie(s.text, s.map, s.start, s.next, s.crs, s.sentenceEnd, s.rowBreak, s.forceBreak,
                  s.colonLine, s.heading, s.skimmed, s.endReached);
}

TEST(ScanShortcut, GivesTheFullScanAtEveryPosition) {
  // Mostly letters and spaces, and every byte the steps after the word look for.
  const std::string pieces[] = {"a", "b", "e",    "The",  "the", "of",  "Mr",   "X",  "9",  "\xE9",
                                " ", " ", " ",    " ",    " ",   "  ",  ".",    ",",  ":",  ";",
                                "?", "!", "'",    "\"",   "(",   ")",   "\r",   "\n", "\t", "\a",
                                "-", "@", "\x85", "\x01", "\\n", "...", "\r\r", "\0"s};
  const CommaListSet skimWords(",the,of,a,");
  std::mt19937 random(20261208);
  for (int round = 0; round < 300; ++round) {
    std::string text;
    const int count = 1 + static_cast<int>(random() % 40);
    for (int i = 0; i < count; ++i)
      text += pieces[random() % std::size(pieces)];
    EngineState state;
    loadDocument(state, text);
    state.ColonLine = round % 7 == 0;
    state.LineStartPosition = 1 + static_cast<std::int32_t>(random() % text.size());
    SettingsRecord settings;
    settings.CompressorStatus = round % 2 == 0;
    settings.CompressorList = ",the,of,a,";
    settings.CompressorReplaceSelection =
        round % 4 == 0 ? ReplaceSelection::Dots : ReplaceSelection::Hide;
    const auto kind = static_cast<SourceKind>(round % 4);
    const CommaListSet* set = round % 3 == 0 ? &skimWords : nullptr;
    // One scan made again and again in place, with and without the map,
    // keeps nothing of the scan before.
    WordScan reused;
    for (std::int32_t p = 0; p <= state.TextLength + 1; ++p) {
      SCOPED_TRACE(::testing::Message() << "text \"" << text << "\" at " << p);
      const WordScan quick = scanWord(state, settings, kind, p, false, set);
      const WordScan full = scanWordInFull(state, settings, kind, p, false, set);
      EXPECT_EQ(fields(quick), fields(full));
      const bool withMap = (p + round) % 2 == 0;
      scanWordInto(reused, state, settings, kind, p, withMap, set);
      EXPECT_EQ(fields(reused), fields(scanWord(state, settings, kind, p, withMap, set)));
      if (::testing::Test::HasFailure()) return;
    }
  }
}

} // namespace
} // namespace engine
