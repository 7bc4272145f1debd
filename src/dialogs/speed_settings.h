// The speed settings dialog's rules, apart from its widgets: the pace box
// (digits only, at most four), its up-down control (10..3000 in steps of 10),
// "Automatic" or a custom layout from the drop-down list of twelve layouts,
// and what OK stores.
//
// A layout item is found by its index (words - 1 for one line, words + 3 for
// two lines, words + 5 for three) and read back by position: its first
// character is the number of lines, its fifth the words per line. With
// "Automatic" the list follows the pace through the automatic table.
// OK refuses an empty pace, and also a pace of 0 or above 3000, which the
// automatic table and the reader do not cover.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/settings_record.h"
#include "reader/words_per_screen.h"

namespace dialogs {

inline constexpr const char* ImproperPaceMessage = "Improper Words per Minute value!";
inline constexpr const char* InvalidPaceMessage = "Invalid Words per Minute value!";

inline constexpr int PaceMaxLength = 4;
inline constexpr int PaceMinimum = 10;
inline constexpr int PaceMaximum = 3000;
inline constexpr int PaceStep = 10;

inline constexpr int LayoutItemCount = 12;
inline constexpr int NoLayoutItem = -1;

// The drop-down list's item text at `index`; empty outside 0..11.
std::string_view layoutItem(int index);

// The index rule; NoLayoutItem when the index falls outside the list.
int layoutIndex(int lines, int words);

// Lines and words read back from an item's first and fifth characters.
std::optional<reader::WordsAndLines> layoutOfItem(std::string_view item);

struct SpeedDialogState {
  std::string paceText;
  bool automatic = true;
  bool listEnabled = false;
  int itemIndex = NoLayoutItem;
  int upDownPosition = PaceMinimum;
};

// The dialog as it opens. A `LinesPerScreen` other than 1, 2 or 3 selects no item.
SpeedDialogState speedDialogOnShow(const engine::SettingsRecord& settings);

// The pace text changed. A text holding anything but digits is refused: it is
// emptied and the caller shows ImproperPaceMessage. Then, with "Automatic",
// the list follows the pace. False when the text was refused.
bool paceTextChanged(SpeedDialogState& state, const reader::AutomaticTable& table);

// Selects the table's layout for the pace, unless the pace or the list's
// current item is empty.
void SetWPSLPS(SpeedDialogState& state, const reader::AutomaticTable& table);

void automaticClicked(SpeedDialogState& state, const reader::AutomaticTable& table);
void customClicked(SpeedDialogState& state);

// One step of the up-down control (`direction` +1 or -1) from the typed pace,
// or from its last position when the box is empty, kept within 10..3000.
void upDownStep(SpeedDialogState& state, int direction);

// OK: stores the pace, the selection and the layout shown, and returns true;
// with an empty pace, 0 or above 3000, empties the text and returns false
// (the caller shows InvalidPaceMessage and keeps the dialog open).
bool okClicked(SpeedDialogState& state, engine::SettingsRecord& settings);

} // namespace dialogs
