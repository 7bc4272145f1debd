#include "engine/search.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "engine/engine_state.h"
#include "engine/settings_record.h"
#include "engine/text_engine.h"
#include "engine/text_helpers.h"
#include "platform/fixed_width_measure.h"

namespace engine {
namespace {

const std::string Token = "<\\*#*\\>";

// ---- Search text and whole-word matching --------------------------------------

TEST(SearchText, IsLowerCasedAndTrimmed) {
  EXPECT_EQ(normaliseSearchText("  The\t"), "the");
  EXPECT_EQ(normaliseSearchText("Of THE"), "of the");
  EXPECT_EQ(normaliseSearchText("\r\n "), "");
  // Only ASCII letters change case.
  EXPECT_EQ(normaliseSearchText("\xC9T\xC9"), "\xC9t\xC9");
}

TEST(FindWholeWord, AcceptsOnlyWholeWords) {
  const struct {
    const char* text;
    const char* needle;
    std::int64_t from;
    std::int64_t expected;
  } cases[] = {
      {"other theme bathe the end", "the", 1, 19},
      {"the other", "the", 1, 1},     // at the very start
      {"theme", "the", 1, 0},         // start of the text, but part of a word
      {"other", "the", 1, 0},         // inside a word
      {"end the", "the", 1, 5},       // reaches the end of the text
      {"THE End", "the", 1, 1},       // any case
      {"(the)", "the", 1, 2},         // brackets are not letters
      {"the1 the", "the", 1, 6},      // digits count as word characters
      {"caf\xE9the", "the", 1, 5},    // accented letters do not
      {"x the y the", "the", 3, 3},   // from the offset on
      {"x the y the", "the", 4, 9},   // the next one after the offset
      {"x the y the", "the", 10, 0},  // none after it
      {"of the end", "of the", 1, 1}, // a phrase
      {"the", "the", 0, 1},           // offsets below 1 count as 1
      {"the", "the", 9, 0},           // offset past the end
      {"the", "", 1, 0},              // nothing to look for
      {"", "the", 1, 0},              // nowhere to look
      {"thethe the", "the", 1, 8},    // overlapping candidates
  };
  for (const auto& c : cases)
    EXPECT_EQ(findWholeWord(c.text, c.needle, c.from), c.expected)
        << '"' << c.text << "\" / \"" << c.needle << "\" from " << c.from;
}

// ---- The marker -------------------------------------------------------------------

EngineState stateWithText(const std::string& text) {
  EngineState st;
  st.DocumentText = text;
  st.TextLength = static_cast<std::int32_t>(text.size());
  st.DocumentLength = static_cast<std::uint32_t>(text.size());
  return st;
}

TEST(HighlightMarker, TokenIsSevenCharacters) {
  EXPECT_EQ(HighlightToken.size(), 7u);
  EXPECT_EQ(HighlightToken, Token);
  EXPECT_EQ(HighlightMarker, '\x01');
}

TEST(HighlightMarker, InsertAndRemoveRestoreTheText) {
  for (std::int32_t p : {1, 2, 4}) {
    EngineState st = stateWithText("abc");
    ASSERT_TRUE(insertHighlightMarker(st, p)) << p;
    std::string expected = "abc";
    expected.insert(static_cast<std::size_t>(p) - 1, 1, '\x01');
    EXPECT_EQ(st.DocumentText, expected);
    EXPECT_EQ(st.TextLength, 4);
    EXPECT_EQ(st.DocumentLength, 4u);
    ASSERT_TRUE(removeHighlightMarker(st, p));
    EXPECT_EQ(st.DocumentText, "abc");
    EXPECT_EQ(st.TextLength, 3);
    EXPECT_EQ(st.DocumentLength, 3u);
  }
}

TEST(HighlightMarker, PositionsOutsideTheTextChangeNothing) {
  EngineState st = stateWithText("abc");
  EXPECT_FALSE(insertHighlightMarker(st, 0));
  EXPECT_FALSE(insertHighlightMarker(st, -5));
  EXPECT_FALSE(insertHighlightMarker(st, 5));
  EXPECT_FALSE(removeHighlightMarker(st, 0));
  EXPECT_FALSE(removeHighlightMarker(st, 4));
  EXPECT_FALSE(removeHighlightMarker(st, 2)) << "no marker there";
  EXPECT_EQ(st.DocumentText, "abc");
  EXPECT_EQ(st.DocumentLength, 3u);
  EXPECT_EQ(st.TextLength, 3);
}

TEST(HighlightMarker, FirstMarkerOfALineBecomesTheToken) {
  std::string line = "go \x01the end \x01x";
  ASSERT_TRUE(markHighlightInLine(line));
  EXPECT_EQ(line, "go " + Token + "the end \x01x");
  std::string plain = "no marker";
  EXPECT_FALSE(markHighlightInLine(plain));
  EXPECT_EQ(plain, "no marker");
}

// ---- Highlight split -----------------------------------------------------------

TEST(HighlightSplit, CutsTheLineAroundTheMatch) {
  const struct {
    std::string line;
    const char* search;
    bool found;
    const char* before;
    const char* match;
    const char* after;
  } cases[] = {
      {"go " + Token + "The end", "the", true, "go ", "The", " end"},
      {Token + "the", " THE ", true, "", "the", ""},
      {"a (" + Token + "the) b", "the", true, "a (", "the", ") b"},
      {"a " + Token + "other the", "the", true, "a other ", "the", ""},
      {"the a " + Token + "theme", "the", false, "the a theme", "", ""},
      {"no token the", "the", false, "no token the", "", ""},
      {"x " + Token + "of the y", "of the", true, "x ", "of the", " y"},
  };
  for (const auto& c : cases) {
    const HighlightSplit split = splitHighlightedLine(c.line, c.search);
    EXPECT_EQ(split.found, c.found) << c.line;
    EXPECT_EQ(split.before, c.before) << c.line;
    EXPECT_EQ(split.match, c.match) << c.line;
    EXPECT_EQ(split.after, c.after) << c.line;
  }
}

// ---- Find Next -------------------------------------------------------------------

// A document in an engine, and a frame reader that takes a fixed number of
// characters from CurrentPosition, so that these tests see only the search.
struct SearchFixture {
  EngineState st;
  SettingsRecord settings;
  platform::FixedWidthMeasure measure;
  TextEngine engine{st, settings, measure};
  SearchState search;
  std::size_t frameChars = 12;
  std::vector<std::int32_t> frameStarts;

  explicit SearchFixture(const std::string& text) {
    st.DocumentText = text;
    st.OriginalText = text;
    st.TextLength = static_cast<std::int32_t>(text.size());
    st.DocumentLength = static_cast<std::uint32_t>(text.size());
    st.bannerTextWidth = 1000;
    st.columnTextWidth = 1000;
  }

  void readFrame() {
    frameStarts.push_back(st.CurrentPosition);
    st.FrameStartPosition = st.CurrentPosition;
    for (auto& line : st.FrameLines)
      line.clear();
    const auto from = static_cast<std::size_t>(st.CurrentPosition - 1);
    st.FrameLines[0] =
        from < st.DocumentText.size() ? st.DocumentText.substr(from, frameChars) : "";
    st.FrameText = st.FrameLines[0];
    st.CurrentPosition += static_cast<std::int32_t>(st.FrameLines[0].size());
  }

  SearchOutcome next(const std::string& text) {
    return findNext(engine, search, text, [this] { readFrame(); });
  }
};

std::vector<std::int32_t> matchesUntilNotFound(SearchFixture& f, const std::string& text) {
  std::vector<std::int32_t> found;
  for (int guard = 0; guard < 100; ++guard) {
    const SearchOutcome o = f.next(text);
    if (!o.found) break;
    found.push_back(o.matchPosition);
  }
  return found;
}

TEST(FindNext, NeverStopsInsideOtherWords) {
  SearchFixture f("other theme bathe the thesis The end");
  EXPECT_EQ(matchesUntilNotFound(f, "the"), (std::vector<std::int32_t>{19, 30}));
}

TEST(FindNext, FindsAMatchAtTheVeryStart) {
  SearchFixture f("The cat sat");
  const SearchOutcome o = f.next("the");
  ASSERT_TRUE(o.found);
  EXPECT_EQ(o.matchPosition, 1);
  EXPECT_EQ(o.startedAt, 1);
}

TEST(FindNext, FirstSearchStartsAtTheFrameAndRemembersIt) {
  SearchFixture f("the x the y the");
  f.st.FrameStartPosition = 5;
  f.st.CurrentPosition = 9;
  const SearchOutcome o = f.next("the");
  EXPECT_EQ(o.startedAt, 5);
  EXPECT_EQ(o.matchPosition, 7);
  EXPECT_EQ(f.search.FindStart, 5);
  EXPECT_EQ(f.search.LastMatch, 8);
  EXPECT_EQ(f.search.FindCount, 1);
  EXPECT_TRUE(f.search.MatchShown);
  // The next search starts one past LastMatch.
  const SearchOutcome second = f.next("the");
  EXPECT_EQ(second.startedAt, 9);
  EXPECT_EQ(second.matchPosition, 13);
  EXPECT_EQ(f.search.FindCount, 2);
}

TEST(FindNext, FrameStartAtTheEndSearchesFromTheBeginning) {
  SearchFixture f("the x the");
  f.st.FrameStartPosition = 9;
  const SearchOutcome o = f.next("the");
  EXPECT_EQ(o.startedAt, 1);
  EXPECT_EQ(o.matchPosition, 1);
}

TEST(FindNext, AfterTheLastMatchReportsNotFoundThenRestarts) {
  SearchFixture f("the x the y the");
  f.st.FrameStartPosition = 5;
  EXPECT_EQ(matchesUntilNotFound(f, "the"), (std::vector<std::int32_t>{7, 13}));
  // The not-found search returned to where the search began.
  EXPECT_EQ(f.st.CurrentPosition, 5);
  EXPECT_EQ(f.search.FindCount, 2);

  // The same click again still finds nothing until the wrap step has run.
  EXPECT_FALSE(f.next("the").found);
  offerSearchRestart(f.search);
  const SearchOutcome wrapped = f.next("the");
  ASSERT_TRUE(wrapped.found);
  EXPECT_EQ(wrapped.startedAt, 1);
  EXPECT_EQ(wrapped.matchPosition, 1);
  EXPECT_EQ(f.search.FindCount, 1) << "counted again from the wrap";
  EXPECT_EQ(f.search.FindStart, 5) << "the place to return to stays";
}

TEST(FindNext, RestartIsOfferedOnlyWhenThereIsMoreToSearch) {
  const struct {
    const char* text;
    std::int32_t frameStart;
    int searchesBefore; // successful searches before the failing one
    bool offer;
  } cases[] = {
      {"nothing here", 1, 0, false}, // whole text searched, nothing anywhere
      {"the x y z", 3, 0, true},     // started after the only match
      {"the x y z", 1, 1, true},     // a match was shown before
  };
  for (const auto& c : cases) {
    SearchFixture f(c.text);
    f.st.FrameStartPosition = c.frameStart;
    for (int i = 0; i < c.searchesBefore; ++i)
      ASSERT_TRUE(f.next("the").found) << c.text;
    const SearchOutcome o = f.next("the");
    EXPECT_FALSE(o.found) << c.text;
    EXPECT_EQ(o.offerRestart, c.offer) << c.text;
    EXPECT_EQ(f.st.CurrentPosition, c.frameStart) << c.text;
  }
}

TEST(FindNext, EmptySearchTextFindsNothing) {
  SearchFixture f("the the");
  EXPECT_FALSE(f.next("   ").found);
  EXPECT_EQ(f.st.DocumentText, "the the");
}

TEST(FindNext, DocumentIsUnchangedAfterManySearches) {
  const std::string text = "The other day the theme of the talk was THE end.\rthe";
  SearchFixture f(text);
  for (int i = 0; i < 25; ++i) {
    const SearchOutcome o = f.next(i % 7 == 6 ? "talk" : "the");
    if (!o.found) offerSearchRestart(f.search);
    ASSERT_EQ(f.st.DocumentText, text) << "after search " << i;
    ASSERT_EQ(f.st.TextLength, static_cast<std::int32_t>(text.size()));
    ASSERT_EQ(f.st.DocumentLength, text.size());
  }
}

TEST(FindNext, FrameShowsTheTokenWhereTheMatchIs) {
  SearchFixture f("a b c the end");
  const SearchOutcome o = f.next("THE");
  ASSERT_TRUE(o.found);
  const std::string& line = f.st.FrameLines[0];
  ASSERT_NE(line.find(Token), std::string::npos) << line;
  EXPECT_EQ(line.find('\x01'), std::string::npos);
  const HighlightSplit split = splitHighlightedLine(line, "THE");
  EXPECT_TRUE(split.found);
  EXPECT_EQ(split.match, "the");
  EXPECT_NE(f.st.FrameText.find(Token), std::string::npos);
}

TEST(FindNext, FrameIsRebuiltFromTheMatchWordWhenItMissesTheMatch) {
  SearchFixture f("x (the y");
  f.frameChars = 2;
  ASSERT_TRUE(f.next("the").found);
  ASSERT_FALSE(f.frameStarts.empty());
  // The word of the match begins at the bracket.
  EXPECT_EQ(f.frameStarts.back(), 3);
  EXPECT_EQ(f.st.FrameLines[0], "(" + Token);
}

TEST(FindNext, FrameReaderDoesNotCountWords) {
  SearchFixture f("one the two");
  f.st.CountWords = true;
  bool countedDuringFrame = false;
  const SearchOutcome o = findNext(f.engine, f.search, "the", [&] {
    countedDuringFrame = countedDuringFrame || f.st.CountWords;
    f.readFrame();
  });
  EXPECT_TRUE(o.found);
  EXPECT_FALSE(countedDuringFrame);
  EXPECT_TRUE(f.st.CountWords);
}

TEST(FindNext, DocumentIsRestoredWhenBuildingTheFrameFails) {
  SearchFixture f("one the two");
  EXPECT_THROW(findNext(f.engine, f.search, "the", [] { throw std::runtime_error("draw"); }),
               std::runtime_error);
  EXPECT_EQ(f.st.DocumentText, "one the two");
  EXPECT_EQ(f.st.DocumentLength, 11u);
  EXPECT_EQ(f.st.TextLength, 11);
}

TEST(FindNext, DocumentHoldingMarkerBytesIsLeftIntact) {
  const std::string text = "a\x01 the \x01the b";
  SearchFixture f(text);
  for (int i = 0; i < 6; ++i) {
    if (!f.next("the").found) offerSearchRestart(f.search);
    ASSERT_EQ(f.st.DocumentText, text);
  }
}

// ---- Find Next with the engine's own line reader ----------------------------------

struct EngineSearch {
  EngineState st;
  SettingsRecord settings;
  platform::FixedWidthMeasure measure{10, 20};
  TextEngine engine{st, settings, measure};
  SearchState search;

  explicit EngineSearch(const std::string& text, int linesInFrame = 1) {
    setDocumentText(st, text);
    st.bannerTextWidth = 10000;
    st.columnTextWidth = 10000;
    st.LinesInFrame = static_cast<std::uint8_t>(linesInFrame);
    settings.WordsPerScreen = 6;
    settings.LinesPerScreen = static_cast<std::uint8_t>(linesInFrame);
  }

  // The frame line holding the token, split for drawing.
  HighlightSplit highlighted(const std::string& wanted) const {
    for (const auto& line : st.FrameLines)
      if (line.find(Token) != std::string::npos) return splitHighlightedLine(line, wanted);
    return {};
  }
};

TEST(FindNextInFrames, MatchEndsTheFirstLineOfItsFrame) {
  EngineSearch f("one two three four five six seven eight nine ten the end");
  ASSERT_TRUE(findNext(f.engine, f.search, "the").found);
  const HighlightSplit split = f.highlighted("the");
  ASSERT_TRUE(split.found) << f.st.FrameLines[0];
  // Five words of context before the match fill the six-word line.
  EXPECT_EQ(split.before, "six seven eight nine ten ");
  EXPECT_EQ(split.match, "the");
}

TEST(FindNextInFrames, FrameBeginsNoFurtherThanAHundredCharactersBack) {
  std::string text;
  for (int i = 0; i < 40; ++i)
    text += "abcdefghij ";
  const auto match = static_cast<std::int32_t>(text.size()) + 1;
  text += "the end";
  EngineSearch f(text);
  f.settings.WordsPerScreen = 6;
  f.st.bannerTextWidth = 100000;
  ASSERT_TRUE(findNext(f.engine, f.search, "the").found);
  EXPECT_GE(f.st.FrameStartPosition, match - MaxSearchStepBack);
  EXPECT_LE(f.st.FrameStartPosition, match);
  EXPECT_TRUE(f.highlighted("the").found);
}

TEST(FindNextInFrames, SentenceModeShowsTheWholeSentence) {
  EngineSearch f("First one here. The cat sat on the mat. Last words.", 3);
  f.settings.ReadingMode = ReadingModeKind::Sentence;
  ASSERT_TRUE(findNext(f.engine, f.search, "mat").found);
  const HighlightSplit split = f.highlighted("mat");
  ASSERT_TRUE(split.found);
  EXPECT_EQ(split.before, "The cat sat on the ");
  EXPECT_EQ(split.match, "mat");
}

TEST(FindNextInFrames, EveryMatchIsShownAndTheTextNeverChanges) {
  const std::string text =
      "The theme of the day.\rOther things, the rest;\r\r\"The\" end (the) bathe THE";
  EngineSearch f(text, 3);
  std::vector<std::int32_t> found;
  for (int i = 0; i < 20; ++i) {
    const SearchOutcome o = findNext(f.engine, f.search, "the");
    ASSERT_EQ(f.st.DocumentText, text);
    ASSERT_EQ(f.st.DocumentLength, text.size());
    ASSERT_EQ(f.st.TextLength, static_cast<std::int32_t>(text.size()));
    if (!o.found) break;
    found.push_back(o.matchPosition);
    const HighlightSplit split = f.highlighted("the");
    EXPECT_TRUE(split.found) << "match at " << o.matchPosition;
    EXPECT_EQ(lowerCase(split.match), "the");
  }
  EXPECT_EQ(found, (std::vector<std::int32_t>{1, 14, 37, 49, 59, 70}));
}

TEST(FindNextInFrames, AutoSkimIsOffWhileSearching) {
  EngineSearch f("cat the dog");
  f.settings.CompressorStatus = true;
  f.settings.CompressorList = ",the,of,a, ";
  beginFind(f.search, f.settings);
  ASSERT_TRUE(findNext(f.engine, f.search, "the").found);
  EXPECT_EQ(f.highlighted("the").match, "the");
  endFind(f.search, f.settings);
  EXPECT_TRUE(f.settings.CompressorStatus);
}

TEST(FindNextInFrames, SearchingCountsNoWordsRead) {
  EngineSearch f("one two the three the four");
  f.st.CountWords = true;
  f.st.WordCounter = 7;
  ASSERT_TRUE(findNext(f.engine, f.search, "the").found);
  ASSERT_TRUE(findNext(f.engine, f.search, "the").found);
  EXPECT_EQ(f.st.WordCounter, 7u);
}

// ---- Opening and closing the bar --------------------------------------------------

TEST(FindBarState, AutoSkimIsOffWhileTheBarIsOpen) {
  for (bool skimOn : {false, true}) {
    SettingsRecord settings;
    settings.CompressorStatus = skimOn;
    SearchState search;
    beginFind(search, settings);
    EXPECT_TRUE(search.FindActive);
    EXPECT_FALSE(settings.CompressorStatus);
    beginFind(search, settings); // opened again while open
    search.FindCount = 3;
    search.LastMatch = 40;
    search.MatchShown = true;
    endFind(search, settings);
    EXPECT_EQ(settings.CompressorStatus, skimOn);
    EXPECT_FALSE(search.FindActive);
    EXPECT_EQ(search.FindCount, 0);
    EXPECT_EQ(search.LastMatch, 0);
    EXPECT_FALSE(search.MatchShown);
  }
}

} // namespace
} // namespace engine
