// The reader's colours: the seven schemes of the Format menu, the blend that
// fades text towards its background, the dimmed colour of a repeated line and
// which scheme item the Format menu shows checked for the stored colours.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "engine/settings_record.h"
#include "platform/canvas.h"

namespace reader {

struct ColourScheme {
  std::string_view caption;
  std::string_view component;
  platform::Color text;
  platform::Color background;
};

inline constexpr std::size_t ColourSchemeCount = 7;
extern const std::array<ColourScheme, ColourSchemeCount> ColourSchemes;

// Index of each scheme in ColourSchemes.
enum class SchemeId : std::size_t {
  GrayonBlack1,
  YellowonBlack1,
  WhiteonBlack1,
  GrayonWhite1,
  BlacktextonWhite1,
  DarkRedtextonGray1,
  GraytextonNavy1
};

// A scheme command: both text colours and both backgrounds take the scheme's.
void applyColourScheme(engine::SettingsRecord& settings, SchemeId scheme);

// The scheme item the Format menu checks for the banner colours. Colours that
// match no scheme fall to the nearest rule: black backgrounds by text colour,
// white backgrounds by text colour, light grey, then navy for anything else.
SchemeId checkedColourScheme(const engine::SettingsRecord& settings);

// Text colour at fade level 0..10 (10 full strength, 0 the background);
// levels outside the range are clamped.
platform::Color fadeLevelColor(platform::Color text, platform::Color background, int level);

// The colour of a repeated line on a page with this background.
platform::Color dimmedColor(platform::Color columnBackground);

// The outline of a column paint box with this background.
platform::Color columnOutlineColor(platform::Color columnBackground);

inline constexpr platform::Color Silver{192, 192, 192};
inline constexpr platform::Color Black{0, 0, 0};

} // namespace reader
