#include "engine/search.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

#include "engine_fixture.h"

namespace engine {
namespace {

using testing::EngineFixture;

const std::string Token(HighlightToken);

TEST(FindWholeWord, AcceptsOnlyWholeWords) {
  const struct {
    const char *text, *needle;
    std::int64_t from, expected;
  } cases[] = {{"other theme bathe the end", "the", 1, 19},
               {"end the", "the", 1, 5},
               {"THE End", "the", 1, 1},
               {"(the)", "the", 1, 2},
               {"the1 the", "the", 1, 6},   // digits count as word characters
               {"caf\xE9the", "the", 1, 5}, // accented letters do not
               {"x the y the", "the", 4, 9},
               {"the", "", 1, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(findWholeWord(c.text, c.needle, c.from), c.expected)
        << '"' << c.text << "\" / \"" << c.needle << "\" from " << c.from;
}

TEST(HighlightSplit, CutsTheLineAroundTheMatch) {
  const struct {
    std::string line;
    const char *search, *before, *match, *after;
    bool found;
  } cases[] = {{"go " + Token + "The end", "the", "go ", "The", " end", true},
               {Token + "the", " THE ", "", "the", "", true},
               {"a " + Token + "other the", "the", "a other ", "the", "", true},
               {"the a " + Token + "theme", "the", "the a theme", "", "", false},
               {"no token the", "the", "no token the", "", "", false},
               {"x " + Token + "of the y", "of the", "x ", "of the", " y", true}};
  for (const auto& c : cases) {
    const HighlightSplit split = splitHighlightedLine(c.line, c.search);
    EXPECT_EQ(std::tuple(split.found, split.before, split.match, split.after),
              std::tuple(c.found, c.before, c.match, c.after))
        << c.line;
  }
}

// A document in an engine, and a frame reader that takes a fixed number of
// characters from CurrentPosition, so that these tests see only the search.
struct SearchFixture : EngineFixture {
  SearchState search;
  std::size_t frameChars = 12;
  std::vector<std::int32_t> frameStarts;

  explicit SearchFixture(const std::string& text, std::int32_t frameStart = 1) {
    loadRaw(text);
    state.FrameStartPosition = frameStart;
  }

  void readFrame() {
    frameStarts.push_back(state.CurrentPosition);
    state.FrameStartPosition = state.CurrentPosition;
    for (auto& line : state.FrameLines)
      line.clear();
    const auto from = static_cast<std::size_t>(state.CurrentPosition - 1);
    state.FrameLines[0] =
        from < state.DocumentText.size() ? state.DocumentText.substr(from, frameChars) : "";
    state.FrameText = state.FrameLines[0];
    state.CurrentPosition += static_cast<std::int32_t>(state.FrameLines[0].size());
  }

  SearchOutcome next(const std::string& text) {
    return findNext(engine, search, text, [this] { readFrame(); });
  }
};

TEST(FindNext, SearchesFromTheFramePastEachMatchThenReportsNotFoundUntilRestarted) {
  SearchFixture f("the x the y the", 5);
  f.state.CurrentPosition = 9;
  for (const auto& [startedAt, match] : {std::pair{5, 7}, {9, 13}}) {
    const SearchOutcome o = f.next("the");
    EXPECT_EQ(std::tuple(o.startedAt, o.matchPosition, f.search.LastMatch, f.search.MatchShown),
              std::tuple(startedAt, match, match + 1, true));
  }
  EXPECT_FALSE(f.next("the").found);
  EXPECT_EQ(f.state.CurrentPosition, 5); // back where the search began
  EXPECT_EQ(f.search.FindCount, 2);
  EXPECT_FALSE(f.next("the").found) << "the same click again, before the wrap step";
  offerSearchRestart(f.search);
  const SearchOutcome wrapped = f.next("the");
  EXPECT_TRUE(wrapped.found && wrapped.startedAt == 1 && wrapped.matchPosition == 1);
  EXPECT_EQ(f.search.FindCount, 1) << "counted again from the wrap";
  EXPECT_EQ(f.search.FindStart, 5) << "the place to return to stays";
  SearchFixture end("the x the", 9); // a frame at the very end searches from the beginning
  EXPECT_EQ(end.next("the").startedAt, 1);
}

TEST(FindNext, RestartIsOfferedOnlyWhenThereIsMoreToSearch) {
  const struct {
    const char* text;
    std::int32_t frameStart;
    int searchesBefore; // successful searches before the failing one
    bool offer;
  } cases[] = {{"nothing here", 1, 0, false}, {"the x y z", 3, 0, true}, {"the x y z", 1, 1, true}};
  for (const auto& c : cases) {
    SearchFixture f(c.text, c.frameStart);
    for (int i = 0; i < c.searchesBefore; ++i)
      ASSERT_TRUE(f.next("the").found) << c.text;
    const SearchOutcome o = f.next("the");
    EXPECT_EQ(std::tuple(o.found, o.offerRestart, f.state.CurrentPosition),
              std::tuple(false, c.offer, c.frameStart))
        << c.text;
  }
  SearchFixture empty("the the");
  EXPECT_FALSE(empty.next("   ").found);
  EXPECT_EQ(empty.state.DocumentText, "the the");
}

TEST(FindNext, DocumentIsUnchangedAfterManySearches) {
  // The text holds marker bytes of its own; the last search fails in building the frame.
  const std::string text = "a\x01 the \x01the talk\rthe";
  SearchFixture f(text);
  for (int i = 0; i < 15; ++i) {
    if (!f.next(i % 7 == 6 ? "talk" : "the").found) offerSearchRestart(f.search);
    ASSERT_EQ(f.state.DocumentText, text) << "after search " << i;
  }
  offerSearchRestart(f.search);
  EXPECT_THROW(findNext(f.engine, f.search, "the", [] { throw std::runtime_error("draw"); }),
               std::runtime_error);
  EXPECT_EQ(std::tuple(f.state.DocumentText, f.state.TextLength, f.state.DocumentLength),
            std::tuple(text, static_cast<std::int32_t>(text.size()), text.size()));
}

TEST(FindNext, FrameIsRebuiltFromTheMatchWordWhenItMissesTheMatch) {
  SearchFixture f("x (the y");
  f.frameChars = 2;
  ASSERT_TRUE(f.next("the").found);
  ASSERT_FALSE(f.frameStarts.empty());
  EXPECT_EQ(f.frameStarts.back(), 3); // the word of the match begins at the bracket
  EXPECT_EQ(f.state.FrameLines[0], "(" + Token);
}

struct EngineSearch : EngineFixture {
  SearchState search;

  explicit EngineSearch(const std::string& text, int lines = 1,
                        ReadingModeKind mode = ReadingModeKind::Banner)
      : EngineFixture(text) {
    layout(mode, lines, 6);
  }

  bool next(const std::string& text) { return findNext(engine, search, text).found; }

  // The frame line holding the token, split for drawing.
  HighlightSplit highlighted(const std::string& wanted) const {
    for (const auto& line : state.FrameLines)
      if (line.find(Token) != std::string::npos) return splitHighlightedLine(line, wanted);
    return {};
  }
};

TEST(FindNextInFrames, FrameShowsTheContextBeforeTheMatch) {
  const struct {
    const char *text, *search, *before;
    ReadingModeKind mode;
  } cases[] = {// Five words of context before the match fill the six-word line.
               {"one two three four five six seven eight nine ten the end", "the",
                "six seven eight nine ten ", ReadingModeKind::Banner},
               {"First one here. The cat sat on the mat. Last words.", "mat", "The cat sat on the ",
                ReadingModeKind::Sentence}};
  for (const auto& c : cases) {
    EngineSearch f(c.text, c.mode == ReadingModeKind::Sentence ? 3 : 1, c.mode);
    ASSERT_TRUE(f.next(c.search));
    const HighlightSplit split = f.highlighted(c.search);
    EXPECT_EQ(std::tuple(split.found, split.before, split.match),
              std::tuple(true, c.before, c.search))
        << f.state.FrameLines[0];
  }
}

TEST(FindNextInFrames, FrameBeginsNoFurtherThanAHundredCharactersBackAndCountsNoWords) {
  std::string text;
  for (int i = 0; i < 40; ++i)
    text += "abcdefghij ";
  const auto match = static_cast<std::int32_t>(text.size()) + 1;
  EngineSearch f(text + "the end");
  f.state.bannerTextWidth = 100000;
  f.state.CountWords = true;
  ASSERT_TRUE(f.next("the"));
  EXPECT_GE(f.state.FrameStartPosition, match - MaxSearchStepBack);
  EXPECT_LE(f.state.FrameStartPosition, match);
  EXPECT_TRUE(f.highlighted("the").found);
  EXPECT_TRUE(f.state.WordCounter == 0 && f.state.CountWords);
}

TEST(FindBarState, AutoSkimIsOffWhileTheBarIsOpen) {
  for (bool skimOn : {false, true}) {
    SettingsRecord settings;
    settings.CompressorStatus = skimOn;
    SearchState search;
    beginFind(search, settings);
    EXPECT_TRUE(search.FindActive && !settings.CompressorStatus);
    beginFind(search, settings); // opened again while open
    search = {true, 3, 5, 40, true, search.SkimWasOn};
    endFind(search, settings);
    EXPECT_EQ(settings.CompressorStatus, skimOn);
    EXPECT_TRUE(!search.FindActive && search.FindCount == 0 && search.LastMatch == 0 &&
                !search.MatchShown);
  }
}

} // namespace
} // namespace engine
