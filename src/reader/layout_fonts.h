// The two fonts of the reader window built from the settings, and the number
// of lines that fit: lines per banner frame (setNumerOfLines,
// calculateNoOfLines) and lines per page column. Heights are the height of
// the letter "O" in the font, measured through the window's text measure.
#pragma once

#include <cstdint>

#include "engine/settings_record.h"
#include "platform/text_measure.h"

namespace reader {

// The largest banner size Sentence mode draws.
inline constexpr int SentenceMaxPointSize = 28;

// The banner point size for a mode: the size list entry, at most 28 in Sentence mode.
int bannerPointSizeFor(const engine::SettingsRecord& settings, engine::ReadingModeKind mode);

// Family, size and weight from the settings; antialiased when ClearTypeFont is on.
platform::FontSpec buildBannerFont(const engine::SettingsRecord& settings,
                                   engine::ReadingModeKind mode);
// The same written into `font`, which keeps its family string when it is unchanged
// (asked for every frame, this builds no string).
void fillBannerFont(platform::FontSpec& font, const engine::SettingsRecord& settings,
                    engine::ReadingModeKind mode);
platform::FontSpec buildColumnFont(const engine::SettingsRecord& settings);

// Height of "O" in the font, at least 1 pixel.
int letterHeight(const platform::TextMeasure& measure, const platform::FontSpec& font);

// LinesInFrame for the next banner frame in a strip of that height: the lines
// that fit, limited by LinesPerScreen in Banner mode and to 4 in Sentence
// mode. Always at least 1 and at most 5, so a frame can always be read.
std::uint8_t setNumerOfLines(int stripHeight, const platform::TextMeasure& measure,
                             const platform::FontSpec& bannerFont,
                             const engine::SettingsRecord& settings);

struct LinesThatFit {
  int lines;                 // what calculateNoOfLines returns (at most 4)
  std::uint8_t linesInFrame; // LinesInFrame with the mode limits applied
};
LinesThatFit calculateNoOfLines(int stripHeight, const platform::TextMeasure& measure,
                                const platform::FontSpec& bannerFont,
                                const engine::SettingsRecord& settings);

// Lines of one page column of that height, at least 1.
int linesPerPage(int columnHeight, const platform::TextMeasure& measure,
                 const platform::FontSpec& columnFont, double lineSpacing);

// 1.65 with the increased line spacing rule, else 1.1.
double lineSpacingFor(const engine::SettingsRecord& settings);

} // namespace reader
