#include <gtest/gtest.h>

#include "platform/recording_canvas.h"
#include "reader/drawing_banner.h"

namespace reader {
namespace {

using platform::DrawOp;

// 10 px per character, 20 px per line; the strip is 577 x 218.
struct Strip {
  Strip() {
    settings.Banner.TextColor = {255, 255, 255};
    settings.Banner.BackgroundColor = {0, 0, 0};
    settings.Banner.FontStyle = engine::FontStyle::Normal;
    settings.Banner.TextAlign = engine::TextAlign::Centre;
    settings.ReadingMode = engine::ReadingModeKind::Banner;
    settings.LinesPerScreen = 3;
    state.LinesInFrame = 3;
  }
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
      {"empty last line", {"first", "second", "", "", ""}, 3, 0, false,
       {"first", "second"}, {(218 - 40) / 2, (218 - 40) / 2 + 20}},
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
  EXPECT_EQ(s.draw(5)[0].color, (platform::Color{126, 126, 126}));
  EXPECT_EQ(s.draw(0)[0].color, (platform::Color{0, 0, 0}));
  s.settings.Banner.TextAlign = engine::TextAlign::Left;
  EXPECT_EQ(s.draw()[0].x, 10);
}

TEST(BannerFrame, HeadingsTakeTheOtherWeightAndRuleZeroUnderlinesThem) {
  const struct {
    engine::FontStyle style;
    bool rule0, bold, underline;
  } cases[] = {{engine::FontStyle::Normal, false, true, false},
               {engine::FontStyle::Normal, true, true, true},
               {engine::FontStyle::Bold, false, false, false},
               {engine::FontStyle::Bold, true, false, true}};
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
  EXPECT_EQ(fills[0].color, s.settings.Banner.TextColor);
  EXPECT_EQ(fills[0].rect.width, 40);
  EXPECT_EQ(texts[1].text, " Next");
  EXPECT_EQ(texts[1].x, texts[0].x + 40);
  // Later drawings remove the CR and use the normal colours.
  s.canvas.clear();
  drawCondensedFrame(s.canvas, s.inputs(), false);
  EXPECT_TRUE(s.canvas.opsOfKind(DrawOp::Kind::FillRect).empty());
  EXPECT_EQ(s.canvas.texts(), (std::vector<std::string>{"end.Next"}));
}

TEST(HeadingRefit, WordsMoveToTheNextLineTheRestIsGivenBackALoneWordIsHyphenated) {
  using Lines = std::array<std::string, engine::MaxFrameLines>;
  const struct {
    Lines lines;
    int count, width;
    Lines after;
    const char* rest;
  } cases[] = {
      {{"alpha beta gamma", "delta"}, 2, 110, {"alpha beta", "gamma delta"}, ""},
      {{"alpha beta", "gamma delta"}, 2, 60, {"alpha", "beta"}, "gamma delta"},
      {{"abcdefghij"}, 1, 60, {"abcde-"}, "fghij"}, // no space: cut with a hyphen
  };
  const platform::FixedWidthMeasure measure(10, 20);
  for (auto c : cases) {
    EXPECT_EQ(refitHeadingLines(c.lines, c.count, {}, c.width, measure), c.rest) << c.rest;
    EXPECT_EQ(c.lines, c.after) << c.rest;
  }
}

TEST(FrameCRs, RemovedAndWidthReported) {
  engine::EngineState state;
  state.FrameLines = {"a\rb", "short", "", "", ""};
  const platform::FixedWidthMeasure measure(10, 20);
  EXPECT_FALSE(removeFrameCRs(state, {}, 100, measure));
  EXPECT_EQ(state.FrameLines[0], "ab");
  state.FrameLines[1] = std::string(11, 'x');
  EXPECT_TRUE(removeFrameCRs(state, {}, 100, measure));
}

} // namespace
} // namespace reader
