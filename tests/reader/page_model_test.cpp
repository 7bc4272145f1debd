// Column pages built from a scripted line source: blank lines, headings,
// the second column, rule 7's repeated line, long lines and the page end.
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
  // Read in bold, the line comes back as these (a heading wrapped at the bold width).
  std::vector<std::string> boldLines = {};
};

class ScriptedSource : public ColumnLineSource {
public:
  ScriptedSource(engine::EngineState& state, std::vector<ScriptLine> script)
      : state_(state), script_(std::move(script)) {}

  std::string readColumnLine(const platform::FontSpec& font) override {
    fonts.push_back(font);
    if (pendingBold_ != nullptr) return deliver(*pendingBold_, font, pendingStart_);
    int pos = 1;
    for (const ScriptLine& line : script_) {
      if (pos == state_.CurrentPosition) return deliver(line, font, pos);
      pos += line.consumes;
    }
    return {};
  }

  std::vector<platform::FontSpec> fonts;

private:
  std::string deliver(const ScriptLine& line, const platform::FontSpec& font, int pos) {
    if (font.bold && !line.boldLines.empty()) {
      // Bold re-read: hand out the wrapped pieces one by one from the same start.
      const std::size_t piece = boldPiece_++;
      const int share = line.consumes / static_cast<int>(line.boldLines.size());
      const bool lastPiece = piece + 1 == line.boldLines.size();
      pendingBold_ = lastPiece ? nullptr : &line;
      pendingStart_ = pos;
      state_.CurrentPosition = lastPiece ? pos + line.consumes : state_.CurrentPosition + share;
      setFlags(line, lastPiece);
      state_.HeadingFound = piece == 0;
      return line.boldLines[piece < line.boldLines.size() ? piece : 0];
    }
    state_.CurrentPosition = pos + line.consumes;
    setFlags(line, true);
    return line.text;
  }

  void setFlags(const ScriptLine& line, bool last) {
    state_.RowBreak = last && line.rowBreak;
    state_.HeadingFound = line.heading;
    state_.LineBreakCount = static_cast<std::uint8_t>(last ? line.breaks : 0);
  }

  engine::EngineState& state_;
  std::vector<ScriptLine> script_;
  std::size_t boldPiece_ = 0;
  const ScriptLine* pendingBold_ = nullptr;
  int pendingStart_ = 1;
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
  EXPECT_EQ(f.state.CurrentPosition, 21); // where "line 2" began
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

TEST(HeadingRewrap, AHeadingTooWideInBoldIsReadAgainInBoldUnlessTheFontIsBold) {
  // 28 characters = 280 px: fits the 290 px text width regular, not bold.
  ScriptLine heading{"An Unusually Long Heading Hm", 30, 2, true, true};
  heading.boldLines = {"An Unusually Long", "Heading Hm"};
  class BoldWider : public platform::TextMeasure {
  public:
    int textWidth(const platform::FontSpec& font, std::string_view text) const override {
      return static_cast<int>(text.size()) * (font.bold ? 11 : 10);
    }
    int textHeight(const platform::FontSpec&, std::string_view) const override { return 20; }
  } measure;
  Fixture f({heading, {"body", 10, 1, true}});
  buildPage(f.page, {f.state, f.settings, measure, f.source, f.font, 1, 20, 300});
  EXPECT_EQ(f.page.columns[0].lines,
            (std::vector<std::string>{"An Unusually Long", "Heading Hm", "", "body"}));
  EXPECT_EQ(f.page.columns[0].headings, (std::vector<bool>{true, true, false, false}));
  EXPECT_FALSE(f.source.fonts.back().bold); // the body is read in the regular font again
  // A bold font never asks for the bold lines: the heading is read once.
  heading.boldLines.clear();
  Fixture bold({heading, {"body", 10, 1, true}});
  bold.font.bold = true;
  buildPage(bold.page, bold.inputs());
  EXPECT_EQ(bold.page.columns[0].lines[0], "An Unusually Long Heading Hm");
  EXPECT_EQ(bold.source.fonts.size(), 2u); // the heading and the body
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
