#include "reader/layout_fonts.h"

#include <algorithm>
#include <cmath>

#include "engine/engine_state.h"
#include "engine/text_helpers.h"
#include "engine/text_rules.h"

namespace reader {
namespace {

std::uint8_t applyModeLimits(int lines, const engine::SettingsRecord& settings) {
  if (settings.ReadingMode == engine::ReadingModeKind::Banner && settings.LinesPerScreen < lines)
    lines = settings.LinesPerScreen;
  if (settings.ReadingMode == engine::ReadingModeKind::Sentence && lines >= 5) lines = 4;
  lines = std::clamp(lines, 1, engine::MaxFrameLines);
  return static_cast<std::uint8_t>(lines);
}

} // namespace

int bannerPointSizeFor(const engine::SettingsRecord& settings, engine::ReadingModeKind mode) {
  const int size = engine::fontPointSize(settings.Banner.FontSize);
  if (mode == engine::ReadingModeKind::Sentence && size > SentenceMaxPointSize)
    return SentenceMaxPointSize;
  return size;
}

void fillBannerFont(platform::FontSpec& font, const engine::SettingsRecord& settings,
                    engine::ReadingModeKind mode) {
  if (!engine::sameShortText(font.family, settings.Banner.FontName))
    font.family = settings.Banner.FontName;
  font.pointSize = bannerPointSizeFor(settings, mode);
  font.bold = settings.Banner.FontStyle == engine::FontStyle::Bold;
  font.underline = false;
  font.antialias = settings.ClearTypeFont;
}

platform::FontSpec buildBannerFont(const engine::SettingsRecord& settings,
                                   engine::ReadingModeKind mode) {
  platform::FontSpec font;
  fillBannerFont(font, settings, mode);
  return font;
}

platform::FontSpec buildColumnFont(const engine::SettingsRecord& settings) {
  platform::FontSpec font;
  font.family = settings.Column.FontName;
  font.pointSize = engine::fontPointSize(settings.Column.FontSize);
  font.bold = settings.Column.FontStyle == engine::FontStyle::Bold;
  font.antialias = settings.ClearTypeFont;
  return font;
}

int letterHeight(const platform::TextMeasure& measure, const platform::FontSpec& font) {
  return std::max(1, measure.textHeight(font, "O"));
}

std::uint8_t setNumerOfLines(int stripHeight, const platform::TextMeasure& measure,
                             const platform::FontSpec& bannerFont,
                             const engine::SettingsRecord& settings) {
  const int h = letterHeight(measure, bannerFont);
  const int fit = (stripHeight - 5) / h;
  return applyModeLimits(fit, settings);
}

LinesThatFit calculateNoOfLines(int stripHeight, const platform::TextMeasure& measure,
                                const platform::FontSpec& bannerFont,
                                const engine::SettingsRecord& settings) {
  const int h = letterHeight(measure, bannerFont);
  int fit = (stripHeight - 10) / h;
  if (fit >= 5) fit = 4;
  if (fit < 1) fit = 1;
  return {fit, applyModeLimits(fit, settings)};
}

int linesPerPage(int columnHeight, const platform::TextMeasure& measure,
                 const platform::FontSpec& columnFont, double lineSpacing) {
  const double pitch = letterHeight(measure, columnFont) * lineSpacing;
  const int lines = static_cast<int>(std::floor((columnHeight - 20) / pitch));
  return std::clamp(lines, 1, 100);
}

double lineSpacingFor(const engine::SettingsRecord& settings) {
  return settings.GeneralTextRules[engine::RuleIncreaseLineSpacing] ? 1.65 : 1.1;
}

} // namespace reader
