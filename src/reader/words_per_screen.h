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
extern const std::array<WordsPerScreenItem, WordsPerScreenItemCount> WordsPerScreenItems;

// The item's command: "Automatic" selects Automatic and takes the table entry;
// every other item selects Custom with its own lines and words. Out-of-range
// indexes change nothing and return false.
bool chooseWordsPerScreen(engine::SettingsRecord& settings, const AutomaticTable& table,
                          std::size_t item);

// UpdateSpeedMenu's check marks: "Automatic" when automatic, else the item at
// WordsPerScreen (1 line), WordsPerScreen + 4 (2 lines) or + 6 (3 lines).
// Returns WordsPerScreenItemCount when no item matches the stored values.
std::size_t checkedWordsPerScreenItem(const engine::SettingsRecord& settings);

std::array<bool, WordsPerScreenItemCount> speedMenuChecks(const engine::SettingsRecord& settings);

} // namespace reader
