// Drawing on a recording canvas, 10 px per character and 20 px per line.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/recording_canvas.h"
#include "reader/colour_schemes.h"
#include "reader/drawing_banner.h"
#include "reader/drawing_column.h"

namespace reader {
namespace {

using platform::Color;
using platform::DrawOp;

// The strip is 577 x 218; Banner's defaults: white on black, centred, regular, three lines.
struct Strip {
  Strip() { state.LinesInFrame = 3; }
  BannerDrawInputs inputs(int level = 10) { return {state, settings, font, 577, 218, level}; }
  std::vector<DrawOp> draw(int level = 10) {
    canvas.clear();
    drawText(canvas, inputs(level));
    return canvas.opsOfKind(DrawOp::Kind::Text);
  }
  engine::EngineState state;
  engine::SettingsRecord settings;
  platform::FontSpec font{"Arial", 24, false, false, true};
  platform::RecordingCanvas canvas;
};

// Lines are trimmed of CRs, TABs and outer blanks and centred as a block;
// an empty line between two lines stays a gap, empty lines at the ends do not count.
TEST(BannerFrame, LinesAreCentredAsABlock) {
  // clang-format off
  const struct {
    const char* what;
    std::array<std::string, engine::MaxFrameLines> lines;
    int linesInFrame, lineIndex;
    bool sentence;
    std::vector<std::string> texts;
    std::vector<int> ys;
  } cases[] = {
      {"two empty lines first", {"", "  ", "word here", "", ""}, 3, 0, false,
       {"word here"}, {(218 - 20) / 2}},
      {"a gap", {"first", "", "third", "", ""}, 3, 0, false,
       {"first", "third"}, {(218 - 60) / 2, (218 - 60) / 2 + 40}},
      {"CRs and TABs", {"  a\tb\r  ", "", "", "", ""}, 3, 0, false, {"ab"}, {(218 - 20) / 2}},
      {"beyond LinesInFrame", {"one", "two", "three", "", ""}, 2, 0, false, {"one", "two"}, {}},
      {"sentence mode: up to LineIndex", {"a", "b", "c", "d", "e"}, 4, 3, true,
       {"a", "b", "c", "d"}, {}},
  };
  // clang-format on
  for (const auto& c : cases) {
    Strip s;
    s.state.FrameLines = c.lines;
    s.state.LinesInFrame = c.linesInFrame;
    s.state.LineIndex = c.lineIndex;
    if (c.sentence) s.settings.ReadingMode = engine::ReadingModeKind::Sentence;
    std::vector<std::string> texts;
    std::vector<int> ys;
    for (const DrawOp& op : s.draw()) {
      texts.push_back(op.text);
      ys.push_back(op.y);
    }
    EXPECT_EQ(texts, c.texts) << c.what;
    if (!c.ys.empty()) {
      EXPECT_EQ(ys, c.ys) << c.what;
    }
  }
}

TEST(BannerFrame, CentredInTheTextAreaOrLeftAtTenWithTheFadeColour) {
  Strip s;
  s.state.FrameLines = {"word here", "", "", "", ""};
  // centred in the text area from 10 to 577: centre at 10 + 567 / 2
  EXPECT_EQ(s.draw()[0].x, (567 - 90) / 2 + 10);
  EXPECT_EQ(s.draw(5)[0].color, fadeLevelColor({255, 255, 255}, {0, 0, 0}, 5));
  s.settings.Banner.TextAlign = engine::TextAlign::Left;
  EXPECT_EQ(s.draw()[0].x, 10);
}

TEST(BannerFrame, HeadingsTakeTheOtherWeightAndRuleZeroUnderlinesThem) {
  const struct {
    engine::FontStyle style;
    bool rule0, bold, underline;
  } cases[] = {{engine::FontStyle::Normal, true, true, true},
               {engine::FontStyle::Bold, false, false, false}};
  for (const auto& c : cases) {
    Strip s;
    s.settings.Banner.FontStyle = c.style;
    s.font.bold = c.style == engine::FontStyle::Bold;
    s.settings.GeneralTextRules[0] = c.rule0;
    s.settings.ClearTypeFont = false;
    s.state.HeadingFound = true;
    s.state.FrameLines = {"Heading", "", "", "", ""};
    const auto ops = s.draw();
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].font.bold, c.bold) << int(c.style) << c.rule0;
    EXPECT_EQ(ops[0].font.underline, c.underline) << int(c.style) << c.rule0;
    EXPECT_FALSE(ops[0].font.antialias); // ClearType off draws without antialiasing
  }
}

TEST(CondensedFrames, FirstDrawingAfterAReadInvertsThePartBeforeTheCr) {
  Strip s;
  s.settings.LinesPerScreen = 1;
  s.state.FrameLines = {"  end.\rNext", "", "", "", ""};
  drawCondensedFrame(s.canvas, s.inputs(), true);
  const auto fills = s.canvas.opsOfKind(DrawOp::Kind::FillRect);
  const auto texts = s.canvas.opsOfKind(DrawOp::Kind::Text);
  ASSERT_EQ(fills.size(), 1u);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "end.");
  EXPECT_EQ(texts[0].color, s.settings.Banner.BackgroundColor);
  EXPECT_EQ(fills[0].rect.width, 40);
  EXPECT_EQ(texts[1].x, texts[0].x + 40);
  // Later drawings remove the CR and use the normal colours.
  s.canvas.clear();
  drawCondensedFrame(s.canvas, s.inputs(), false);
  EXPECT_TRUE(s.canvas.opsOfKind(DrawOp::Kind::FillRect).empty());
  EXPECT_EQ(s.canvas.texts(), (std::vector<std::string>{"end.Next"}));
}

// White on black (the default), regular, 1.1 line spacing.
struct Page {
  Page() { settings.Column.FontStyle = engine::FontStyle::Normal; }
  ColumnDrawInputs inputs(int width = 300) {
    return ColumnDrawInputs{page, settings, font, 1.1, 10, 1, width, 400};
  }
  std::vector<DrawOp> draw(std::vector<std::string> lines, int width = 300, int fadeLevel = 10) {
    page.columns[0].headings.assign(lines.size(), false);
    page.columns[0].lines = std::move(lines);
    platform::RecordingCanvas canvas;
    ColumnDrawInputs in = inputs(width);
    in.fadeLevel = fadeLevel;
    drawTextColumn(canvas, nullptr, in);
    return canvas.opsOfKind(DrawOp::Kind::Text);
  }
  PageModel page;
  engine::SettingsRecord settings;
  platform::FontSpec font{"Arial", 12, false, false, true};
};

TEST(Justify, WidensGapsInTurnFromTheLeft) {
  platform::FixedWidthMeasure measure(10, 20);
  // Head "a b c" drawn from 5 must end a full space before the last word at 100 - 10:
  // two more spaces, one per gap; a third space goes to the first gap again.
  EXPECT_EQ(getFrameJustified("a b c d", 5, {}, 100, measure), "a  b  c d");
  EXPECT_EQ(getFrameJustified("a b c d", 5, {}, 110, measure), "a   b  c d");
  EXPECT_EQ(getFrameJustified(" single ", 5, {}, 400, measure), "single");
  class NoSpaces : public platform::TextMeasure { // must not loop forever
  public:
    int textWidth(const platform::FontSpec&, std::string_view text) const override {
      return 10 * static_cast<int>(text.size() - std::count(text.begin(), text.end(), ' '));
    }
    int textHeight(const platform::FontSpec&, std::string_view) const override { return 20; }
  } noSpaces;
  EXPECT_EQ(getFrameJustified("a b c d", 5, {}, 400, noSpaces).back(), 'd');
}

// Rule 7 dims the first line of a later page; fading blends the text.
TEST(ColumnDrawing, FirstLineColourFollowsRuleSevenAndTheFadeLevel) {
  const struct {
    bool rule7;
    std::int32_t pageStart;
    int fadeLevel;
    Color first, second;
  } cases[] = {{true, 120, 10, {95, 95, 95}, {255, 255, 255}},
               {true, 1, 10, {255, 255, 255}, {255, 255, 255}},
               {false, 1, 5, {126, 126, 126}, {126, 126, 126}}};
  for (const auto& c : cases) {
    Page p;
    p.settings.GeneralTextRules[7] = c.rule7;
    p.page.pageStart = c.pageStart;
    const auto ops = p.draw({"repeated line", "new line"}, 300, c.fadeLevel);
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[0].color, c.first) << c.rule7 << " " << c.pageStart << " " << c.fadeLevel;
    EXPECT_EQ(ops[1].color, c.second) << c.rule7 << " " << c.pageStart << " " << c.fadeLevel;
  }
  EXPECT_EQ(dimmedColor({128, 128, 128}), Silver); // on mid grey the dimmed line is silver
}

TEST(ColumnDrawing, EndTextGoesOnTheSecondColumnOnlyWhenItHoldsText) {
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
  ASSERT_EQ(d1.opsOfKind(DrawOp::Kind::Text).size(), 1u);
  EXPECT_EQ(d1.opsOfKind(DrawOp::Kind::Text)[0].color, EndTextColor);
}

// Level L blends text over background: a = L * 255 div 10,
// channel = ((255 - a) * back + a * text) div 256; level 0 is the background, 10 the text.
TEST(FadeLevel, ChannelsBlendByTheLevel) {
  const struct {
    Color text, back;
    int level;
    Color expected;
  } cases[] = {{{255, 255, 255}, {0, 0, 0}, 5, {126, 126, 126}},
               {{255, 255, 0}, {0, 0, 94}, 1, {24, 24, 84}}, // a = 25
               {{128, 0, 0}, {211, 211, 211}, 0, {211, 211, 211}},
               {{128, 0, 0}, {211, 211, 211}, 10, {128, 0, 0}}};
  for (const auto& c : cases)
    EXPECT_EQ(fadeLevelColor(c.text, c.back, c.level), c.expected) << c.level;
}

TEST(ColourSchemes, UnlistedColoursFallToTheNearestItem) {
  engine::SettingsRecord settings;
  settings.Banner.BackgroundColor = {0, 0, 0};
  settings.Banner.TextColor = {10, 200, 30};
  EXPECT_EQ(checkedColourScheme(settings), SchemeId::WhiteonBlack1);
  settings.Banner.BackgroundColor = {255, 255, 255};
  EXPECT_EQ(checkedColourScheme(settings), SchemeId::BlacktextonWhite1);
  settings.Banner.BackgroundColor = {1, 2, 3};
  EXPECT_EQ(checkedColourScheme(settings), SchemeId::GraytextonNavy1);
  applyColourScheme(settings, SchemeId::GrayonWhite1); // a listed scheme checks its own item
  EXPECT_EQ(checkedColourScheme(settings), SchemeId::GrayonWhite1);
}

} // namespace
} // namespace reader
