#include <gtest/gtest.h>

#include "platform/recording_canvas.h"
#include "reader/drawing_banner.h"

namespace reader {
namespace {

using platform::DrawOp;

// 10 px per character, 20 px per line; the strip is 577 x 218.
struct Strip {
  Strip() {
    settings.BannerTextColor = {255, 255, 255};
    settings.BannerBackgroundColor = {0, 0, 0};
    settings.BannerFontStyle = engine::FontStyle::Normal;
    settings.BannerTextAlign = engine::TextAlign::Centre;
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

TEST(BannerFrame, TwoEmptyLinesThenTextDrawsOneCentredLine) {
  Strip s;
  s.state.FrameLines = {"", "  ", "word here", "", ""};
  const auto ops = s.draw();
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].text, "word here");
  EXPECT_EQ(ops[0].y, (218 - 20) / 2);
  // Centred in the text area from 10 to 577: centre at 10 + 567 / 2.
  EXPECT_EQ(ops[0].x, (567 - 90) / 2 + 10);
}

TEST(BannerFrame, AnEmptyLineBetweenTwoLinesStaysAGap) {
  Strip s;
  s.state.FrameLines = {"first", "", "third", "", ""};
  const auto ops = s.draw();
  ASSERT_EQ(ops.size(), 2u);
  const int top = (218 - 3 * 20) / 2;
  EXPECT_EQ(ops[0].y, top);
  EXPECT_EQ(ops[1].y, top + 40);
}

TEST(BannerFrame, AnEmptyLastLineDoesNotCount) {
  Strip s;
  s.state.FrameLines = {"first", "second", "", "", ""};
  const auto ops = s.draw();
  ASSERT_EQ(ops.size(), 2u);
  EXPECT_EQ(ops[0].y, (218 - 2 * 20) / 2);
}

TEST(BannerFrame, LinesLoseCrsTabsAndOuterBlanks) {
  Strip s;
  s.settings.LinesPerScreen = 1;
  s.state.FrameLines = {"  a\tb\r  ", "", "", "", ""};
  const auto ops = s.draw();
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].text, "ab");
}

TEST(BannerFrame, LeftAlignmentStartsAtTen) {
  Strip s;
  s.settings.BannerTextAlign = engine::TextAlign::Left;
  s.state.FrameLines = {"left", "", "", "", ""};
  EXPECT_EQ(s.draw()[0].x, 10);
}

TEST(BannerFrame, LinesBeyondLinesInFrameAreNotDrawn) {
  Strip s;
  s.state.LinesInFrame = 2;
  s.state.FrameLines = {"one", "two", "three", "", ""};
  EXPECT_EQ(s.draw().size(), 2u);
}

TEST(BannerFrame, SentenceModeDrawsUpToLineIndex) {
  Strip s;
  s.settings.ReadingMode = engine::ReadingModeKind::Sentence;
  s.settings.LinesPerScreen = 1;
  s.state.LinesInFrame = 4;
  s.state.LineIndex = 3;
  s.state.FrameLines = {"a", "b", "c", "d", "e"};
  EXPECT_EQ(s.draw().size(), 4u);
}

TEST(BannerFrame, FadeLevelColoursTheText) {
  Strip s;
  s.state.FrameLines = {"fading", "", "", "", ""};
  EXPECT_EQ(s.draw(5)[0].color, (platform::Color{126, 126, 126}));
  EXPECT_EQ(s.draw(0)[0].color, (platform::Color{0, 0, 0}));
}

struct HeadingCase {
  engine::FontStyle style;
  bool rule0;
  bool bold;
  bool underline;
};

class HeadingWeight : public ::testing::TestWithParam<HeadingCase> {};

TEST_P(HeadingWeight, HeadingsTakeTheOtherWeight) {
  Strip s;
  const HeadingCase c = GetParam();
  s.settings.BannerFontStyle = c.style;
  s.font.bold = c.style == engine::FontStyle::Bold;
  s.settings.GeneralTextRules[0] = c.rule0;
  s.state.HeadingFound = true;
  s.state.FrameLines = {"Heading", "", "", "", ""};
  const auto ops = s.draw();
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].font.bold, c.bold);
  EXPECT_EQ(ops[0].font.underline, c.underline);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, HeadingWeight,
    ::testing::Values(HeadingCase{engine::FontStyle::Normal, false, true, false},
                      HeadingCase{engine::FontStyle::Normal, true, true, true},
                      HeadingCase{engine::FontStyle::Bold, false, false, false},
                      HeadingCase{engine::FontStyle::Bold, true, false, true}));

TEST(BannerFrame, ClearTypeOffDrawsWithoutAntialiasing) {
  Strip s;
  s.settings.ClearTypeFont = false;
  s.state.FrameLines = {"x", "", "", "", ""};
  EXPECT_FALSE(s.draw()[0].font.antialias);
}

TEST(CondensedFrames, FontSizeSteps) {
  const std::vector<std::pair<int, int>> cases = {{48, 28}, {72, 36}, {36, 26}, {8, 8},   {9, 8},
                                                  {10, 8},  {12, 10}, {14, 10}, {28, 24}, {24, 20}};
  for (auto [in, out] : cases)
    EXPECT_EQ(getFontSize(in), out) << in;
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
  EXPECT_EQ(texts[0].color, s.settings.BannerBackgroundColor);
  EXPECT_EQ(fills[0].color, s.settings.BannerTextColor);
  EXPECT_EQ(fills[0].rect.width, 40);
  EXPECT_EQ(texts[1].text, " Next");
  EXPECT_EQ(texts[1].x, texts[0].x + 40);
  // Later drawings remove the CR and use the normal colours.
  s.canvas.clear();
  drawCondensedFrame(s.canvas, s.inputs(), false);
  EXPECT_TRUE(s.canvas.opsOfKind(DrawOp::Kind::FillRect).empty());
  EXPECT_EQ(s.canvas.texts(), (std::vector<std::string>{"end.Next"}));
}

TEST(HeadingRefit, WordsMoveToTheNextLineAndTheRestIsGivenBack) {
  platform::FixedWidthMeasure measure(10, 20);
  std::array<std::string, engine::MaxFrameLines> lines = {"alpha beta gamma", "delta", "", "", ""};
  const std::string rest = refitHeadingLines(lines, 2, {}, 110, measure);
  EXPECT_EQ(lines[0], "alpha beta");
  EXPECT_EQ(lines[1], "gamma delta");
  EXPECT_EQ(rest, "");
  std::array<std::string, engine::MaxFrameLines> tight = {"alpha beta", "gamma delta", "", "", ""};
  EXPECT_EQ(refitHeadingLines(tight, 2, {}, 60, measure), "gamma delta");
  EXPECT_EQ(tight[0], "alpha");
  EXPECT_EQ(tight[1], "beta");
}

TEST(HeadingRefit, AWordWithoutSpaceLosesCharactersAndGetsAHyphen) {
  platform::FixedWidthMeasure measure(10, 20);
  std::array<std::string, engine::MaxFrameLines> lines = {"abcdefghij", "", "", "", ""};
  const std::string rest = refitHeadingLines(lines, 1, {}, 60, measure);
  EXPECT_EQ(lines[0], "abcde-");
  EXPECT_EQ(rest, "fghij");
}

TEST(FrameCRs, RemovedAndWidthReported) {
  engine::EngineState state;
  state.FrameLines = {"a\rb", "short", "", "", ""};
  platform::FixedWidthMeasure measure(10, 20);
  EXPECT_FALSE(removeFrameCRs(state, {}, 100, measure));
  EXPECT_EQ(state.FrameLines[0], "ab");
  state.FrameLines[1] = std::string(11, 'x');
  EXPECT_TRUE(removeFrameCRs(state, {}, 100, measure));
}

} // namespace
} // namespace reader
