// Column pages built from a scripted line source.
#include <gtest/gtest.h>

#include "platform/fixed_width_measure.h"
#include "reader/page_model.h"

namespace reader {
namespace {

// A line the scripted reader hands out, the characters it consumes and its flags.
struct ScriptLine {
  std::string text;
  int consumes = 10;
  int breaks = 1;
  bool rowBreak = false;
  bool heading = false;
};

struct ScriptedSource : ColumnLineSource {
  ScriptedSource(engine::EngineState& state, std::vector<ScriptLine> script)
      : state(state), script(std::move(script)) {}
  std::string readColumnLine(const platform::FontSpec&) override {
    int pos = 1;
    for (const ScriptLine& line : script) {
      if (pos == state.CurrentPosition) {
        state.CurrentPosition = pos + line.consumes;
        state.RowBreak = line.rowBreak;
        state.HeadingFound = line.heading;
        state.LineBreakCount = static_cast<std::uint8_t>(line.breaks);
        return line.text;
      }
      pos += line.consumes;
    }
    return {};
  }
  engine::EngineState& state;
  std::vector<ScriptLine> script;
};

struct Fixture {
  explicit Fixture(std::vector<ScriptLine> script, int length = 0) : source(state, script) {
    int total = 0;
    for (const auto& l : script)
      total += l.consumes;
    if (length == 0) length = total + 1;
    state.DocumentText.assign(static_cast<std::size_t>(length), 'x');
    state.TextLength = length;
    state.DocumentLength = static_cast<std::uint32_t>(length);
    state.CurrentPosition = 1;
  }

  PageInputs inputs(int linesPerPage = 20, int columns = 1) {
    return PageInputs{state, settings, measure, source, font, columns, linesPerPage, 300};
  }

  engine::EngineState state;
  engine::SettingsRecord settings;
  platform::FixedWidthMeasure measure{10, 20};
  platform::FontSpec font{"Arial", 12, false, false, true};
  ScriptedSource source;
  PageModel page;
};

int blankLinesAfterFirst(const PageColumn& column) {
  int blanks = 0;
  for (std::size_t i = 1; i < column.lines.size() && column.lines[i].empty(); ++i)
    ++blanks;
  return blanks;
}

std::vector<ScriptLine> numberedLines(int count, int consumes = 10) {
  std::vector<ScriptLine> script;
  for (int i = 0; i < count; ++i)
    script.push_back({"line " + std::to_string(i), consumes, 0, false});
  return script;
}

TEST(PageBuilding, LineBreaksBeyondTheFirstBecomeBlankLinesFewerWithRuleFour) {
  // rule 4, line breaks, blank lines, lines per page; the last row stops at the column's end
  const int cases[][4] = {{0, 5, 4, 20}, {1, 5, 2, 20}, {1, 2, 1, 20},
                          {0, 1, 0, 20}, {0, 0, 0, 20}, {0, 9, 3, 4}};
  for (const auto& c : cases) {
    Fixture f({{"first line", 10, c[1], true}, {"second", 10, 1, true}});
    f.settings.GeneralTextRules[4] = c[0] != 0;
    buildPage(f.page, f.inputs(c[3]));
    EXPECT_EQ(blankLinesAfterFirst(f.page.columns[0]), c[2]) << c[0] << " " << c[1];
    if (c[3] == 20) {
      EXPECT_EQ(f.page.columns[0].lines.back(), "second");
    }
  }
}

TEST(PageBuilding, AHeadingEndingARowWithoutACrIsFollowedByOneBlankLine) {
  Fixture f({{"Chapter One", 12, 0, true, true}, {"body text", 10, 1, false}});
  buildPage(f.page, f.inputs());
  const PageColumn& column = f.page.columns[0];
  EXPECT_EQ(column.lines, (std::vector<std::string>{"Chapter One", "", "body text"}));
  EXPECT_EQ(column.headings, (std::vector<bool>{true, false, false}));
}

TEST(PageBuilding, OnlyReachingTheEndSetsPageAtEnd) {
  Fixture f({{"one", 10, 1, true}, {"two", 10, 1, true}}, 21);
  buildPage(f.page, f.inputs());
  EXPECT_TRUE(f.page.pageAtEnd);
  EXPECT_FALSE(beginNextPage(f.page, f.state));

  Fixture full(std::vector<ScriptLine>(10, ScriptLine{"words on a line", 16, 0, false}));
  const std::int32_t end = buildPage(full.page, full.inputs(4));
  EXPECT_FALSE(full.page.pageAtEnd);
  EXPECT_EQ(end, 1 + 4 * 16);
  EXPECT_EQ(full.state.CurrentPosition, end);

  // A reader that makes no progress ends the page.
  Fixture stuck({{"one", 10, 0, false}}, 400);
  buildPage(stuck.page, stuck.inputs());
  EXPECT_EQ(stuck.page.columns[0].lines, (std::vector<std::string>{"one"}));
  EXPECT_TRUE(stuck.page.pageAtEnd);
}

TEST(RepeatLastLine, RuleSevenStartsTheNextPageAtTheLastLineAndAOneLinePageStillMovesOn) {
  Fixture f(numberedLines(8));
  f.settings.GeneralTextRules[7] = true;
  ASSERT_TRUE(beginNextPage(f.page, f.state));
  buildPage(f.page, f.inputs(3));
  ASSERT_TRUE(beginNextPage(f.page, f.state));
  buildPage(f.page, f.inputs(3));
  EXPECT_EQ(f.page.columns[0].lines.front(), "line 2");

  Fixture one(numberedLines(5));
  one.settings.GeneralTextRules[7] = true;
  for (int turn = 0; turn < 5 && !one.page.pageAtEnd; ++turn) {
    const std::int32_t before = one.state.CurrentPosition;
    ASSERT_TRUE(beginNextPage(one.page, one.state));
    buildPage(one.page, one.inputs(1));
    EXPECT_GT(one.state.CurrentPosition, before);
  }
}

TEST(LongLines, AreCutToTheColumnAndWhatDoesNotFitOnThePageGoesBack) {
  // 45 characters = 450 px in a 290 px text width: cut at 285 px = 28 characters.
  const std::string longLine(45, 'w');
  Fixture f({{longLine, 45, 1, true}, {"after", 10, 1, true}});
  buildPage(f.page, f.inputs());
  EXPECT_EQ(f.page.columns[0].lines,
            (std::vector<std::string>{std::string(28, 'w'), std::string(17, 'w'), "after"}));
  // a space that fits is where the line is cut
  Fixture spaced({{"aaaaaaaaaa bbbbbbbbbb cccccccccc dddd", 37, 1, true}});
  buildPage(spaced.page, spaced.inputs());
  EXPECT_EQ(spaced.page.columns[0].lines[0], "aaaaaaaaaa bbbbbbbbbb");
  EXPECT_EQ(spaced.page.columns[0].lines[1], "cccccccccc dddd");
  // 28 characters shown, 17 given back from the end of the long line (position 56).
  Fixture page({{"first", 10, 0, false}, {longLine, 45, 1, true}});
  buildPage(page.page, page.inputs(2));
  EXPECT_EQ(page.page.columns[0].lines.size(), 2u);
  EXPECT_EQ(page.state.CurrentPosition, 56 - 17);
  EXPECT_FALSE(page.page.pageAtEnd);
}

} // namespace
} // namespace reader
