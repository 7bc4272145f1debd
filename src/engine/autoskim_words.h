// AutoSkim word lists: the five fixed parts of common English words, the
// presets "Setting1" to "Setting5" built from them, and the conversions
// between the stored AutoSkim settings and the engine's values.
//
// Every part is stored as one comma list that begins with a comma and ends
// with a comma and a space (",the,of,a, "), so a word is an entry of a list
// when ",word," occurs in it. Preset k is parts 1..k joined in order; the
// blank entries where two parts meet never match a word. Duplicate words of
// a part are kept as stored. The custom list built from the options dialog's
// check lists has a comma before every word and one after the last; an
// empty selection is ",".
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/settings_record.h"

namespace engine {

inline constexpr int CompressorPartCount = 5;

// The level stored for a custom selection (and for any unknown setting).
inline constexpr int CustomCompressionLevel = 5;

struct CompressorPreset {
  std::string name;  // "Setting1" .. "Setting5"
  std::string words; // parts 1..k joined
};

// The stored text of part `index` (0-based, 0..4); empty for other indexes.
std::string_view compressorPartText(int index);

// The words of part `index` (0-based) in stored order, duplicates kept;
// empty for other indexes.
std::vector<std::string> compressorPartWords(int index);

// The five presets in order "Setting1" .. "Setting5".
const std::array<CompressorPreset, CompressorPartCount>& compressorPresets();

// The active word list for a preset level 0..4 ("s90".."s50"); empty for any
// other level.
std::string presetWordList(int level);

// The list AutoSkim uses after the settings are loaded: the preset of the
// level for levels 0..4, the stored custom list otherwise.
std::string activeCompressorList(int level, const std::string& userDefinedSet);

// "Dots" gives Dots; any other value gives Hide.
ReplaceSelection replaceSelectionFromString(std::string_view stored);
// The stored value for a replace mode: "Dots" or "Hide".
std::string_view replaceSelectionToString(ReplaceSelection selection);

// "s90", "s80", "s70", "s60", "s50" give 0..4; any other value gives
// CustomCompressionLevel (5).
int compressionLevelFromString(std::string_view stored);
// The stored value for a level: "s90".."s50" for 0..4, "custom" otherwise.
std::string_view compressionLevelToString(int level);

} // namespace engine
