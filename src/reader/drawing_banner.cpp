#include "reader/drawing_banner.h"

#include <algorithm>
#include <cmath>

#include "engine/search.h"
#include "engine/text_helpers.h"
#include "engine/text_rules.h"
#include "reader/colour_schemes.h"
#include "reader/layout_fonts.h"

namespace reader {
namespace {

constexpr int LeftMargin = 10;

std::string withoutCrAndTab(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != '\r' && c != '\t') out += c;
  return out;
}

int lastLineIndex(const engine::EngineState& engine, const engine::SettingsRecord& settings) {
  const int last = settings.ReadingMode == engine::ReadingModeKind::Sentence
                       ? engine.LineIndex
                       : settings.LinesPerScreen - 1;
  return std::clamp(last, 0, engine::MaxFrameLines - 1);
}

int lineX(const BannerDrawInputs& in, int available, int lineWidth) {
  if (in.settings.Banner.TextAlign != engine::TextAlign::Centre) return LeftMargin;
  return static_cast<int>(std::floor((available - lineWidth) / 2.0 + LeftMargin));
}

// Lays the visible lines out and hands each to `draw` with its place.
template <typename Draw>
void layOutFrame(platform::Canvas& canvas, const BannerDrawInputs& in,
                 const platform::FontSpec& font, bool keepCRs, Draw draw) {
  const VisibleFrame frame = visibleFrameLines(in.engine, in.settings);
  if (frame.counted == 0) return;
  const int h = letterHeight(canvas.measure(), font);
  const int available = in.width - LeftMargin;
  const int top = static_cast<int>(std::floor((in.height - frame.counted * h) / 2.0));
  const int drawable = std::min<int>(static_cast<int>(frame.lines.size()), in.engine.LinesInFrame);
  for (int i = 0; i < drawable; ++i) {
    std::string line = engine::trim(frame.lines[static_cast<std::size_t>(i)]);
    if (!keepCRs) line = withoutCrAndTab(line);
    if (line.empty()) continue;
    const int y = i * h + top;
    draw(line, y, available);
  }
}

} // namespace

VisibleFrame visibleFrameLines(const engine::EngineState& engine,
                               const engine::SettingsRecord& settings) {
  const int last = lastLineIndex(engine, settings);
  std::vector<bool> text(static_cast<std::size_t>(last + 1));
  for (int i = 0; i <= last; ++i)
    text[static_cast<std::size_t>(i)] =
        !engine::trim(engine.FrameLines[static_cast<std::size_t>(i)]).empty();
  VisibleFrame frame;
  int first = -1;
  for (int i = 0; i <= last; ++i) {
    const bool before = std::any_of(text.begin(), text.begin() + i, [](bool t) { return t; });
    const bool after = std::any_of(text.begin() + i + 1, text.end(), [](bool t) { return t; });
    const bool counts = text[static_cast<std::size_t>(i)] || (before && after);
    if (!counts) continue;
    ++frame.counted;
    if (first < 0) first = i;
  }
  if (first < 0) return frame;
  for (int i = first; i <= last; ++i)
    frame.lines.push_back(engine.FrameLines[static_cast<std::size_t>(i)]);
  return frame;
}

platform::FontSpec bannerFrameFont(const platform::FontSpec& bannerFont,
                                   const engine::SettingsRecord& settings, bool heading) {
  platform::FontSpec font = bannerFont;
  font.antialias = settings.ClearTypeFont;
  if (!heading) return font;
  font.bold = settings.Banner.FontStyle != engine::FontStyle::Bold;
  font.underline = settings.GeneralTextRules[engine::RuleUnderlineHeadings];
  return font;
}

void drawText(platform::Canvas& canvas, const BannerDrawInputs& in) {
  const platform::FontSpec font =
      bannerFrameFont(in.bannerFont, in.settings, in.engine.HeadingFound);
  const platform::Color color = fadeLevelColor(in.settings.Banner.TextColor,
                                               in.settings.Banner.BackgroundColor, in.fadeLevel);
  layOutFrame(canvas, in, font, false, [&](const std::string& line, int y, int available) {
    const int width = highlightedLineWidth(canvas.measure(), line, in.searchText, font);
    drawHighlightedLine(canvas, lineX(in, available, width), y, line, in.searchText, font, color,
                        in.settings.Banner.BackgroundColor);
  });
}

int highlightedLineWidth(const platform::TextMeasure& measure, std::string_view line,
                         std::string_view searchText, const platform::FontSpec& font) {
  if (line.find(engine::HighlightToken) == std::string_view::npos)
    return measure.textWidth(font, line);
  const engine::HighlightSplit split = engine::splitHighlightedLine(line, searchText);
  return measure.textWidth(font, split.before + split.match + split.after);
}

void drawHighlightedLine(platform::Canvas& canvas, int x, int y, std::string_view line,
                         std::string_view searchText, const platform::FontSpec& font,
                         platform::Color text, platform::Color background) {
  if (line.find(engine::HighlightToken) == std::string_view::npos) {
    canvas.drawText(x, y, line, font, text);
    return;
  }
  const engine::HighlightSplit split = engine::splitHighlightedLine(line, searchText);
  const platform::TextMeasure& measure = canvas.measure();
  if (!split.before.empty()) canvas.drawText(x, y, split.before, font, text);
  x += measure.textWidth(font, split.before);
  if (!split.match.empty()) {
    const int w = measure.textWidth(font, split.match);
    canvas.fillRect({x, y, w, measure.textHeight(font, split.match)}, text);
    canvas.drawText(x, y, split.match, font, background);
    x += w;
  }
  if (!split.after.empty()) canvas.drawText(x, y, split.after, font, text);
}

void clearText(platform::Canvas& canvas, int width, int height, platform::Color background) {
  canvas.fillRect({0, 0, width, height}, background);
}

int getFontSize(int s) {
  switch (s) {
  case 48:
    return 28;
  case 72:
    return 36;
  case 36:
    return 26;
  case 8:
  case 9:
    return 8;
  default:
    return (s >= 10 && s <= 12) ? s - 2 : s - 4;
  }
}

void drawCondensedFrame(platform::Canvas& canvas, const BannerDrawInputs& in, bool firstAfterRead) {
  const platform::FontSpec& font = in.bannerFont;
  const auto& s = in.settings;
  const platform::Color text =
      fadeLevelColor(s.Banner.TextColor, s.Banner.BackgroundColor, in.fadeLevel);
  const platform::TextMeasure& m = canvas.measure();
  layOutFrame(canvas, in, font, firstAfterRead, [&](const std::string& line, int y, int available) {
    const std::size_t cr = firstAfterRead ? line.find('\r') : std::string::npos;
    if (cr == std::string::npos) {
      const std::string plain = withoutCrAndTab(line);
      canvas.drawText(lineX(in, available, m.textWidth(font, plain)), y, plain, font, text);
      return;
    }
    const std::string before = engine::trimLeft(withoutCrAndTab(line.substr(0, cr)));
    const std::string rest = " " + withoutCrAndTab(line.substr(cr + 1));
    const int beforeWidth = m.textWidth(font, before);
    const int x = lineX(in, available, beforeWidth + m.textWidth(font, rest));
    canvas.fillRect({x, y, beforeWidth, m.textHeight(font, before)}, s.Banner.TextColor);
    canvas.drawText(x, y, before, font, s.Banner.BackgroundColor);
    canvas.drawText(x + beforeWidth, y, rest, font, text);
  });
}

std::string refitHeadingLines(std::array<std::string, engine::MaxFrameLines>& lines, int lineCount,
                              const platform::FontSpec& font, int limit,
                              const platform::TextMeasure& measure) {
  lineCount = std::clamp(lineCount, 0, engine::MaxFrameLines);
  std::string carry;
  for (int i = 0; i < lineCount; ++i) {
    std::string& line = lines[static_cast<std::size_t>(i)];
    if (!carry.empty()) line = carry + (line.empty() ? "" : " " + line);
    carry.clear();
    std::string given;
    while (measure.textWidth(font, line) > limit && !line.empty()) {
      const std::size_t space = line.find_last_of(' ');
      if (space != std::string::npos && space > 0) {
        given = line.substr(space + 1) + (given.empty() ? "" : " " + given);
        line.erase(space);
        line = engine::trimRight(line);
      } else {
        // One long word: it loses characters one by one and shows a "-".
        std::string word = line;
        std::string cut;
        while (word.size() > 1 && measure.textWidth(font, word + "-") > limit) {
          cut.insert(cut.begin(), word.back());
          word.pop_back();
        }
        if (!cut.empty()) given = cut + (given.empty() ? "" : " " + given);
        line = word + "-";
        break;
      }
    }
    carry = given;
  }
  return carry;
}

bool removeFrameCRs(engine::EngineState& engine, const platform::FontSpec& font, int limit,
                    const platform::TextMeasure& measure) {
  bool tooWide = false;
  for (std::string& line : engine.FrameLines) {
    line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
    if (measure.textWidth(font, line) > limit) tooWide = true;
  }
  return tooWide;
}

} // namespace reader
