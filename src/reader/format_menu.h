// What the Format menu offers besides the colours: the font families (each
// sets the strip's and the columns' family), the point sizes of the current
// mode's font, and the alignments; which items each mode shows, enables and
// checks (UpdateFormatMenu's checks, read from the settings).
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "engine/settings_record.h"

namespace reader {

struct FontItem {
  std::string_view component;
  std::string_view caption;
  std::string_view family;
  bool shown;
};

inline constexpr std::array<FontItem, 6> FontItems = {{
    {"Comic1", "&Comic Sans MS", "Comic Sans MS", true},
    {"Gothic1", "Century Gothic", "Century Gothic", false},
    {"Arial1", "&Arial", "Arial", true},
    {"tahoma1", "&Tahoma", "Tahoma", true},
    {"Verdana1", "&Verdana", "Verdana", true},
    {"Garamond1", "&Garamond", "Garamond", true},
}};

// The font item checked for the strip's family; a family not in the list
// checks "&Garamond".
std::size_t checkedFontItem(const engine::SettingsRecord& settings);

// Size items stand for the size list's indexes 0..13. The smallest three are
// never offered; the banner modes offer 11 to 48 points (36 and 48 greyed in
// Sentence mode), the column modes 11 to 20.
bool sizeItemShown(std::size_t index, engine::ReadingModeKind mode);
bool sizeItemEnabled(std::size_t index, engine::ReadingModeKind mode);
// The size index checked: the strip's in the banner modes (Sentence mode
// draws and checks 28 points at most), the columns' otherwise.
std::size_t checkedSizeItem(const engine::SettingsRecord& settings);

enum class AlignItem : std::size_t { Left, Center, Justify };
// "&Center" belongs to the banner modes, "&Justify" to the column modes.
bool alignItemShown(AlignItem item, engine::ReadingModeKind mode);
bool alignItemChecked(AlignItem item, const engine::SettingsRecord& settings);
// "Align &Left" sets both alignments; the others the one of their family.
void applyAlignItem(AlignItem item, engine::SettingsRecord& settings);

} // namespace reader
