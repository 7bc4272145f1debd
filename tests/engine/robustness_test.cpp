#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine_fixture.h"
#include "read_through.h"

namespace engine {
namespace {

using testing::EngineFixture;

struct Layout {
  const char* name;
  ReadingModeKind mode;
  int lines;
  int perLine;
};

const Layout Layouts[] = {
    {"banner1x1", ReadingModeKind::Banner, 1, 1},  {"banner1x3", ReadingModeKind::Banner, 1, 3},
    {"banner3x5", ReadingModeKind::Banner, 3, 5},  {"banner5x6", ReadingModeKind::Banner, 5, 6},
    {"sentence", ReadingModeKind::Sentence, 3, 6}, {"single", ReadingModeKind::Single, 1, 6},
};

std::string allBytes() {
  std::string s;
  for (int i = 0; i < 256; ++i)
    s += static_cast<char>(i);
  return s + s;
}

struct Input {
  const char* name;
  std::string text;
};

std::vector<Input> inputs() {
  return {
      {"empty", ""},
      {"nuls", std::string(40, '\0')},
      {"nulsInText", std::string("a\0b\0\0c. d", 9)},
      {"highBytes", "\x80\x81\xFF\xFE \x85\x85 \xA0\xC2\xA0 \xE9t\xE9."},
      {"allBytes", allBytes()},
      {"onlySeparators", " ,.:;?!-&+\\|=<>~^])}/*\"'\r\n\t .... \r\r\r"},
      {"onlyDots", std::string(500, '.')},
      {"onlyLineBreaks", std::string(300, '\r')},
      {"bells", std::string(50, '\a') + "x" + std::string(50, '\f')},
      {"oneChar", "x"},
      {"twoChars", "xy"},
      {"leaders", "A ....... 1\rB ....... 2\r\r\r.......\r"},
      {"listItems", "1. a\r2. b\r3) c\r\r4.\r5."},
      {"quotes", "\"'\"'(((\"a\" 'b' \"\" ''"},
      {"digits", "1,2,3.4.5:6-7/8 9.. 10.,11"},
      {"headings", "T\r\r\rH1\r\r\r\rH2\r\rbody.\r\r\r\r\r"},
      {"longWord", std::string(700, 'x')},
      {"longWordWithTail", std::string(300, 'y') + ".\r\r" + std::string(300, 'z')},
  };
}

TEST(Robustness, EveryInputReadsToTheEndAndBackInEveryLayout) {
  for (const Input& in : inputs()) {
    for (const Layout& layout : Layouts) {
      for (double width : {0.0, 15.0, 120.0, 1000.0}) {
        for (bool skim : {false, true}) {
          EngineFixture fx;
          fx.loadRaw(in.text);
          fx.layout(layout.mode, layout.lines, layout.perLine);
          fx.state.bannerTextWidth = fx.state.columnTextWidth = width;
          for (int r = 0; r < TextRuleCount; ++r)
            fx.settings.GeneralTextRules[r] = (r % 3) != 0;
          fx.skim(",the,a,x,b,");
          fx.settings.CompressorStatus = skim;
          const auto result = testing::readThrough(fx.engine, fx.state, fx.settings);
          EXPECT_EQ(result.error, "") << in.name << " " << layout.name << " width " << width;
          EXPECT_EQ(fx.state.FrameStartPosition, 1) << in.name << " " << layout.name;
        }
      }
    }
  }
}

std::string visible(const std::string& s) {
  std::string out;
  for (char c : s)
    if (c != ' ' && c != '\r' && c != '-') out += c;
  return out;
}

TEST(Robustness, NothingIsLostReadingForward) {
  // Every visible character of the text shows up in the lines, in order.
  const std::string text = "Alpha beta, gamma. Delta\r\repsilon 3.14 zeta-eta \"theta\" iota";
  for (const Layout& layout : Layouts) {
    EngineFixture fx(text, 120);
    fx.layout(layout.mode, layout.lines, layout.perLine);
    std::string shown;
    if (!isBannerMode(layout.mode)) { // the column modes read line by line
      for (const std::string& line : fx.lines(0))
        shown += line;
    } else {
      for (int guard = 0; guard < 1000 && testing::readOneFrame(fx.engine, fx.state, fx.settings);
           ++guard)
        for (const auto& l : fx.state.FrameLines)
          shown += l;
    }
    EXPECT_EQ(visible(shown), visible(text)) << layout.name;
  }
}

} // namespace
} // namespace engine
