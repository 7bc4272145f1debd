#include <gtest/gtest.h>

#include <map>

#include "platform/recording_canvas.h"
#include "reader/colour_schemes.h"
#include "reader/drawing_column.h"

namespace reader {
namespace {

using platform::DrawOp;

// 10 px per character, 20 px per line.
struct Page {
  Page() {
    settings.ColumnTextColor = {255, 255, 255};
    settings.ColumnBackgroundColor = {0, 0, 0};
    settings.ColumnFontStyle = engine::FontStyle::Normal;
  }
  ColumnDrawInputs inputs(int width = 300) {
    return ColumnDrawInputs{page, settings, font, 1.1, 10, 1, width, 400};
  }
  PageModel page;
  engine::SettingsRecord settings;
  platform::FontSpec font{"Arial", 12, false, false, true};
};

std::vector<DrawOp> textsOn(const platform::RecordingCanvas& canvas) {
  return canvas.opsOfKind(DrawOp::Kind::Text);
}

TEST(Justify, EveryLineButAParagraphsLastEndsAtTheRightMargin) {
  Page p;
  p.settings.ColumnTextAlign = engine::TextAlign::Justify;
  p.page.columns[0].lines = {
      "one two three four", "five six seven", "eight nine", "", "ten eleven twelve", "last"};
  p.page.columns[0].headings.assign(6, false);
  platform::RecordingCanvas canvas;
  drawTextColumn(canvas, nullptr, p.inputs(300));
  // Lines 0, 1 and 4 are justified: their last word ends at 300 - 5.
  std::map<int, std::vector<DrawOp>> byLine;
  for (const DrawOp& op : textsOn(canvas))
    byLine[op.y].push_back(op);
  ASSERT_EQ(byLine.size(), 6u); // the empty line draws as empty text at its own place
  int justified = 0;
  for (const auto& [y, ops] : byLine) {
    const DrawOp& lastOp = ops.back();
    const int end = lastOp.x + static_cast<int>(lastOp.text.size()) * 10;
    if (ops.size() == 2) {
      ++justified;
      EXPECT_EQ(end, 295) << lastOp.text;
      EXPECT_EQ(ops.front().x, 5);
      // The head is spread to within one space of the last word, a full space before it.
      const int headEnd = 5 + static_cast<int>(ops.front().text.size()) * 10;
      EXPECT_LE(headEnd, lastOp.x - 10);
      EXPECT_GE(headEnd, lastOp.x - 20);
    } else {
      EXPECT_EQ(lastOp.x, 5) << lastOp.text; // a paragraph's last line stays left
    }
  }
  EXPECT_EQ(justified, 3); // lines 0, 1 and 4
}

TEST(Justify, ALineOfOneWordStaysLeft) {
  Page p;
  p.settings.ColumnTextAlign = engine::TextAlign::Justify;
  p.page.columns[0].lines = {"Supercalifragilistic", "next line"};
  p.page.columns[0].headings.assign(2, false);
  platform::RecordingCanvas canvas;
  drawTextColumn(canvas, nullptr, p.inputs());
  const auto ops = textsOn(canvas);
  ASSERT_FALSE(ops.empty());
  EXPECT_EQ(ops[0].text, "Supercalifragilistic");
  EXPECT_EQ(ops[0].x, 5);
}

TEST(Justify, WidensGapsInTurnFromTheLeft) {
  platform::FixedWidthMeasure measure(10, 20);
  // Head "a b c" drawn from 5 must end a full space before the last word at 100 - 10:
  // two more spaces, one per gap.
  EXPECT_EQ(getFrameJustified("a b c d", 5, {}, 100, measure), "a  b  c d");
  // A third space goes to the first gap again.
  EXPECT_EQ(getFrameJustified("a b c d", 5, {}, 110, measure), "a   b  c d");
  EXPECT_EQ(getFrameJustified("  \r ", 5, {}, 200, measure), "");
  EXPECT_EQ(getFrameJustified("two words", 5, {}, 400, measure), "two words");
  EXPECT_EQ(getFrameJustified(" single ", 5, {}, 400, measure), "single");
}

TEST(Justify, AMeasureWithoutSpaceWidthDoesNotLoopForever) {
  class NoSpaces : public platform::TextMeasure {
  public:
    int textWidth(const platform::FontSpec&, std::string_view text) const override {
      int w = 0;
      for (char c : text)
        w += c == ' ' ? 0 : 10;
      return w;
    }
    int textHeight(const platform::FontSpec&, std::string_view) const override { return 20; }
  } measure;
  const std::string out = getFrameJustified("a b c d", 5, {}, 400, measure);
  EXPECT_EQ(out.back(), 'd');
}

struct DotsCase {
  std::string in;
  std::string out;
};

class FormatFrame : public ::testing::TestWithParam<DotsCase> {};

TEST_P(FormatFrame, EvensOutLeadingDots) {
  EXPECT_EQ(formatFrame(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FormatFrame,
    ::testing::Values(DotsCase{"  .... 12", ". . .  12"}, DotsCase{"  . .. .x", ". . . . x"},
                      DotsCase{" .... 12", " .... 12"},   // one blank only
                      DotsCase{"  a... 12", "  a... 12"}, // a letter before the dots
                      DotsCase{"  no dots", "  no dots"}, DotsCase{"", ""},
                      DotsCase{"Plain text.", "Plain text."}));

TEST(RepeatedLine, RuleSevenDimsTheFirstLineOfALaterPage) {
  Page p;
  p.settings.GeneralTextRules[7] = true;
  p.page.pageStart = 120;
  p.page.columns[0].lines = {"repeated line", "new line"};
  p.page.columns[0].headings.assign(2, false);
  platform::RecordingCanvas canvas;
  drawTextColumn(canvas, nullptr, p.inputs());
  const auto ops = textsOn(canvas);
  ASSERT_EQ(ops.size(), 2u);
  EXPECT_EQ(ops[0].color, (platform::Color{95, 95, 95}));
  EXPECT_EQ(ops[1].color, (platform::Color{255, 255, 255}));
}

TEST(RepeatedLine, TheFirstPageAndRuleSevenOffAreNotDimmed) {
  for (auto [rule, start] : {std::pair{true, 1}, std::pair{false, 120}}) {
    Page p;
    p.settings.GeneralTextRules[7] = rule;
    p.page.pageStart = start;
    p.page.columns[0].lines = {"first"};
    p.page.columns[0].headings = {false};
    platform::RecordingCanvas canvas;
    drawTextColumn(canvas, nullptr, p.inputs());
    EXPECT_EQ(textsOn(canvas)[0].color, (platform::Color{255, 255, 255}));
  }
}

TEST(ColumnDrawing, LinesFollowThePitchAndHeadingsTakeTheOtherWeight) {
  Page p;
  p.settings.GeneralTextRules[0] = true;
  p.page.columns[0].lines = {"Heading", "", "text"};
  p.page.columns[0].headings = {true, false, false};
  platform::RecordingCanvas canvas;
  drawTextColumn(canvas, nullptr, p.inputs());
  const auto ops = textsOn(canvas);
  ASSERT_EQ(ops.size(), 3u);
  EXPECT_EQ(ops[0].y, 10);
  EXPECT_EQ(ops[1].y, 32); // floor(1 * 22 + 10)
  EXPECT_EQ(ops[2].y, 54);
  EXPECT_TRUE(ops[0].font.bold);
  EXPECT_TRUE(ops[0].font.underline);
  EXPECT_FALSE(ops[2].font.bold);
}

TEST(ColumnDrawing, FadeLevelBlendsTheText) {
  Page p;
  p.page.columns[0].lines = {"text"};
  p.page.columns[0].headings = {false};
  platform::RecordingCanvas canvas;
  ColumnDrawInputs in = p.inputs();
  in.fadeLevel = 5;
  drawTextColumn(canvas, nullptr, in);
  EXPECT_EQ(textsOn(canvas)[0].color, (platform::Color{126, 126, 126}));
}

TEST(ColumnDrawing, DoubleModeDrawsTheSecondColumnOnItsOwnBox) {
  Page p;
  p.page.columns[0].lines = {"left"};
  p.page.columns[0].headings = {false};
  p.page.columns[1].lines = {"right"};
  p.page.columns[1].headings = {false};
  platform::RecordingCanvas c1, c2;
  ColumnDrawInputs in = p.inputs();
  in.columnCount = 2;
  drawTextColumn(c1, &c2, in);
  EXPECT_EQ(c1.texts(), (std::vector<std::string>{"left"}));
  EXPECT_EQ(c2.texts(), (std::vector<std::string>{"right"}));
}

TEST(ColumnBackground, OutlineIsSilverOnlyOnMidGrey) {
  platform::RecordingCanvas canvas;
  paintColumnBackground(canvas, 100, 50, {128, 128, 128});
  const auto fills = canvas.opsOfKind(DrawOp::Kind::FillRect);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(fills[0].rect, (platform::Rect{0, 0, 100, 50}));
  for (const DrawOp& line : canvas.opsOfKind(DrawOp::Kind::Line))
    EXPECT_EQ(line.color, Silver);
}

TEST(EndText, GoesOnTheSecondColumnOnlyWhenItHoldsText) {
  Page p;
  p.page.columns[0].lines = {"a"};
  p.page.columns[1].lines = {"", "b"};
  platform::RecordingCanvas c1, c2;
  ColumnDrawInputs in = p.inputs();
  in.columnCount = 2;
  EXPECT_EQ(drawColumnEndText(c1, &c2, in), 2);
  EXPECT_EQ(c2.texts(), (std::vector<std::string>{"End  of  Document"}));
  p.page.columns[1].lines = {"", ""};
  platform::RecordingCanvas d1, d2;
  EXPECT_EQ(drawColumnEndText(d1, &d2, in), 1);
  const auto ops = d1.opsOfKind(DrawOp::Kind::Text);
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].color, EndTextColor);
  EXPECT_EQ(ops[0].y, 400 - 5 - 20);
  EXPECT_EQ(ops[0].x, (300 - 170) / 2);
}

} // namespace
} // namespace reader
