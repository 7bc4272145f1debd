// Words per screen: the automatic table that picks words per line and lines
// per frame from the speed, the thirteen choices of the "&Words per Screen"
// submenu, and which of them the menu shows checked. Plain functions on the
// settings record; the window's handlers (N1x11Click ...) call them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/settings_record.h"

namespace reader {

struct WordsAndLines {
  std::uint8_t words = 1;
  std::uint8_t lines = 1;
  bool operator==(const WordsAndLines&) const = default;
};

inline constexpr int AutomaticTableSize = 3000;
// Indexed by WordsPerMinute - 1.
using AutomaticTable = std::array<WordsAndLines, AutomaticTableSize>;

// Built once at start-up.
AutomaticTable buildAutomaticTable();

// The entry for a speed; speeds below 1 take the first entry, above 3000 the last.
WordsAndLines automaticEntry(const AutomaticTable& table, int wordsPerMinute);

// Sets WordsPerScreen and LinesPerScreen from the table for the current speed.
void SetWPSLPS(engine::SettingsRecord& settings, const AutomaticTable& table);

// One item of the submenu; index 0 is "Automatic".
struct WordsPerScreenItem {
  std::string_view caption;
  std::string_view component;
  std::uint8_t lines;
  std::uint8_t words;
};

inline constexpr std::size_t WordsPerScreenItemCount = 13;
// The submenu's items; their component names are the menu items' names.
inline constexpr std::array<WordsPerScreenItem, WordsPerScreenItemCount> WordsPerScreenItems = {{
    {"Automatic", "LetLumetrachoosewordsperscreen1", 0, 0},
    {"1 x 1 (1 line)", "N1x11", 1, 1},
    {"1 x 2", "N1x21", 1, 2},
    {"1 x 3", "N1x31", 1, 3},
    {"1 x 4", "N1x41", 1, 4},
    {"1 x 5", "N1x51", 1, 5},
    {"1 x 6", "N1x61", 1, 6},
    {"2 x 3 (2 lines)", "N2x32lines1", 2, 3},
    {"2 x 4", "N2x41", 2, 4},
    {"2 x 5", "N2x51", 2, 5},
    {"2 x 6", "N2x61", 2, 6},
    {"3 x 5 (3 lines)", "N3x53lines1", 3, 5},
    {"3 x 6", "N3x61", 3, 6},
}};

// The item's command: "Automatic" selects Automatic and takes the table entry;
// every other item selects Custom with its own lines and words. Out-of-range
// indexes change nothing and return false.
bool chooseWordsPerScreen(engine::SettingsRecord& settings, const AutomaticTable& table,
                          std::size_t item);

// UpdateSpeedMenu's check marks: "Automatic" when automatic, else the item at
// WordsPerScreen (1 line), WordsPerScreen + 4 (2 lines) or + 6 (3 lines).
// Returns WordsPerScreenItemCount when no item matches the stored values.
std::size_t checkedWordsPerScreenItem(const engine::SettingsRecord& settings);

} // namespace reader
