#include "reader/drawing_column.h"

#include <cmath>
#include <vector>

#include "engine/text_helpers.h"
#include "engine/text_rules.h"
#include "reader/colour_schemes.h"
#include "reader/layout_fonts.h"

namespace reader {
namespace {

constexpr int LeftMargin = 5;
constexpr int TopMargin = 10;

// Index just past each run of spaces in `head`, in order.
std::vector<std::size_t> gapPositions(const std::string& head) {
  std::vector<std::size_t> gaps;
  for (std::size_t i = 0; i < head.size(); ++i)
    if (head[i] == ' ' && (i + 1 == head.size() || head[i + 1] != ' ')) gaps.push_back(i + 1);
  return gaps;
}

bool justifiable(const PageColumn& column, std::size_t i) {
  if (i + 1 >= column.lines.size()) return false;
  const std::string& next = column.lines[i + 1];
  return !engine::trim(next).empty() && next.front() != '\r';
}

void drawColumnLines(platform::Canvas& canvas, const PageColumn& column, const ColumnDrawInputs& in,
                     bool dimFirstLine) {
  const auto& s = in.settings;
  const platform::TextMeasure& measure = canvas.measure();
  const double pitch = letterHeight(measure, in.columnFont) * in.lineSpacing;
  const platform::FontSpec headingFont = columnHeadingFont(in.columnFont, s);
  const platform::Color textColor =
      fadeLevelColor(s.Column.TextColor, s.Column.BackgroundColor, in.fadeLevel);
  const platform::Color dimColor =
      fadeLevelColor(dimmedColor(s.Column.BackgroundColor), s.Column.BackgroundColor, in.fadeLevel);
  const bool justify = s.Column.TextAlign != engine::TextAlign::Left;
  const int right = in.width - LeftMargin;

  for (std::size_t i = 0; i < column.lines.size(); ++i) {
    const std::string& line = column.lines[i];
    const bool heading = i < column.headings.size() && column.headings[i];
    const platform::FontSpec& font = heading ? headingFont : in.columnFont;
    const platform::Color color = (i == 0 && dimFirstLine) ? dimColor : textColor;
    const int y = static_cast<int>(std::floor(static_cast<double>(i) * pitch + TopMargin));
    if (!justify || !justifiable(column, i)) {
      canvas.drawText(LeftMargin, y, line, font, color);
      continue;
    }
    const std::string justified = getFrameJustified(line, LeftMargin, font, right, measure);
    const std::size_t space = justified.rfind(' ');
    if (space == std::string::npos) {
      canvas.drawText(LeftMargin, y, justified, font, color);
      continue;
    }
    const std::string head = justified.substr(0, space);
    const std::string last = justified.substr(space + 1);
    const int lastWidth = measure.textWidth(font, last);
    canvas.drawText(LeftMargin, y, head, font, color);
    canvas.fillRect({right - lastWidth, y, lastWidth, measure.textHeight(font, last)},
                    s.Column.BackgroundColor);
    canvas.drawText(right - lastWidth, y, last, font, color);
  }
}

} // namespace

std::string getFrameJustified(std::string_view line, int left, const platform::FontSpec& font,
                              int width, const platform::TextMeasure& measure) {
  const std::string trimmed = engine::trim(line);
  if (trimmed.empty()) return {};
  const std::size_t split = trimmed.rfind(' ');
  if (split == std::string::npos) return trimmed;
  std::string head = trimmed.substr(0, split);
  const std::string last = trimmed.substr(split + 1);
  if (engine::trim(head).find(' ') == std::string::npos) return trimmed;

  std::vector<std::size_t> gaps = gapPositions(head);
  const int lastWidth = measure.textWidth(font, last);
  // Each pass puts one more space into every gap, left to right, until the
  // head reaches the last word. A measure that gives spaces no width stops.
  int previous = -1;
  std::size_t g = 0;
  // A space goes in only while the head still ends a full space before the
  // last word, so that the two never touch.
  while (!gaps.empty() && left + measure.textWidth(font, head + "  ") <= width - lastWidth) {
    const int before = measure.textWidth(font, head);
    head.insert(gaps[g], 1, ' ');
    for (std::size_t k = g; k < gaps.size(); ++k)
      ++gaps[k];
    g = (g + 1) % gaps.size();
    if (g == 0) {
      const int now = measure.textWidth(font, head);
      if (now <= previous || now <= before) break;
      previous = now;
    }
  }
  return head + " " + last;
}

std::string formatFrame(std::string_view line) {
  if (line.size() < 2 || line[0] != ' ' || line[1] != ' ') return std::string(line);
  const std::size_t dot = line.rfind('.');
  if (dot == std::string_view::npos) return std::string(line);
  for (std::size_t i = 0; i <= dot; ++i)
    if (line[i] != ' ' && line[i] != '.') return std::string(line);
  std::string out;
  for (std::size_t k = 0; k < (dot + 1) / 2; ++k)
    out += ". ";
  out += line.substr(dot + 1);
  return out;
}

platform::FontSpec columnHeadingFont(const platform::FontSpec& columnFont,
                                     const engine::SettingsRecord& settings) {
  platform::FontSpec font = columnFont;
  font.bold = settings.Column.FontStyle != engine::FontStyle::Bold;
  font.underline = settings.GeneralTextRules[engine::RuleUnderlineHeadings];
  font.antialias = settings.ClearTypeFont;
  return font;
}

void drawTextColumn(platform::Canvas& column1, platform::Canvas* column2,
                    const ColumnDrawInputs& in) {
  const bool dim =
      in.settings.GeneralTextRules[engine::RuleRepeatLastLine] && in.page.pageStart > 1;
  drawColumnLines(column1, in.page.columns[0], in, dim);
  if (in.columnCount == 2 && column2 != nullptr)
    drawColumnLines(*column2, in.page.columns[1], in, false);
}

void paintColumnBackground(platform::Canvas& canvas, int width, int height,
                           platform::Color background) {
  canvas.fillRect({0, 0, width, height}, background);
  if (width <= 0 || height <= 0) return;
  const platform::Color pen = columnOutlineColor(background);
  canvas.drawLine(0, 0, width - 1, 0, pen);
  canvas.drawLine(width - 1, 0, width - 1, height - 1, pen);
  canvas.drawLine(width - 1, height - 1, 0, height - 1, pen);
  canvas.drawLine(0, height - 1, 0, 0, pen);
}

int drawColumnEndText(platform::Canvas& column1, platform::Canvas* column2,
                      const ColumnDrawInputs& in) {
  const PageColumn& second = in.page.columns[1];
  const bool onSecond = in.columnCount == 2 && column2 != nullptr &&
                        ((!second.lines.empty() && !second.lines[0].empty()) ||
                         (second.lines.size() > 1 && !second.lines[1].empty()));
  platform::Canvas& canvas = onSecond ? *column2 : column1;
  platform::FontSpec font{"Tahoma", 11, true, false, true};
  const int w = canvas.measure().textWidth(font, EndOfDocumentText);
  const int h = canvas.measure().textHeight(font, EndOfDocumentText);
  const int x = (in.width - w) / 2;
  const int y = in.height - 5 - h;
  canvas.fillRect({x, y, w, h}, in.settings.Column.BackgroundColor);
  canvas.drawText(x, y, EndOfDocumentText, font, EndTextColor);
  return onSecond ? 2 : 1;
}

} // namespace reader
