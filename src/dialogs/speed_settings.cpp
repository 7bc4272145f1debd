#include "dialogs/speed_settings.h"

#include <algorithm>
#include <charconv>

namespace dialogs {

namespace {

bool allDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The pace of an all-digit text of at most four characters.
std::optional<int> paceOf(std::string_view text) {
  if (text.empty() || !allDigits(text)) return std::nullopt;
  int value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc()) return std::nullopt;
  return value;
}

} // namespace

std::string_view layoutItem(int index) {
  // The reader's "Words per Screen" menu lists the same layouts after "Automatic".
  if (index < 0 || index >= LayoutItemCount) return {};
  return reader::WordsPerScreenItems[static_cast<std::size_t>(index) + 1].caption;
}

int layoutIndex(int lines, int words) {
  int index = NoLayoutItem;
  if (lines == 1)
    index = words - 1;
  else if (lines == 2)
    index = words + 3;
  else if (lines == 3)
    index = words + 5;
  return index >= 0 && index < LayoutItemCount ? index : NoLayoutItem;
}

std::optional<reader::WordsAndLines> layoutOfItem(std::string_view item) {
  if (item.size() < 5) return std::nullopt;
  const auto digit = [](char c) { return static_cast<std::uint8_t>(c - '0'); };
  if (item[0] < '0' || item[0] > '9' || item[4] < '0' || item[4] > '9') return std::nullopt;
  return reader::WordsAndLines{digit(item[4]), digit(item[0])};
}

SpeedDialogState speedDialogOnShow(const engine::SettingsRecord& settings) {
  SpeedDialogState state;
  state.paceText = std::to_string(settings.WordsPerMinute);
  state.automatic = settings.SpeedSettingsSelection != engine::SpeedSelection::Custom;
  state.listEnabled = !state.automatic;
  const int lines = settings.LinesPerScreen;
  if (lines >= 1 && lines <= 3) state.itemIndex = layoutIndex(lines, settings.WordsPerScreen);
  state.upDownPosition = std::clamp<int>(settings.WordsPerMinute, PaceMinimum, PaceMaximum);
  return state;
}

bool paceTextChanged(SpeedDialogState& state, const reader::AutomaticTable& table) {
  const bool refused = !allDigits(state.paceText);
  if (refused) state.paceText.clear();
  if (state.automatic) SetWPSLPS(state, table);
  return !refused;
}

void SetWPSLPS(SpeedDialogState& state, const reader::AutomaticTable& table) {
  const std::optional<int> pace = paceOf(state.paceText);
  if (state.itemIndex == NoLayoutItem || !pace) return;
  const reader::WordsAndLines entry = reader::automaticEntry(table, *pace);
  state.itemIndex = layoutIndex(entry.lines, entry.words);
}

void automaticClicked(SpeedDialogState& state, const reader::AutomaticTable& table) {
  state.automatic = true;
  state.listEnabled = false;
  SetWPSLPS(state, table);
}

void customClicked(SpeedDialogState& state) {
  state.automatic = false;
  state.listEnabled = true;
}

void upDownStep(SpeedDialogState& state, int direction) {
  const int from = paceOf(state.paceText).value_or(state.upDownPosition);
  state.upDownPosition = std::clamp(from + direction * PaceStep, PaceMinimum, PaceMaximum);
  state.paceText = std::to_string(state.upDownPosition);
}

bool okClicked(SpeedDialogState& state, engine::SettingsRecord& settings) {
  const std::optional<int> pace = paceOf(state.paceText);
  if (!pace || *pace < 1 || *pace > PaceMaximum) {
    state.paceText.clear();
    return false;
  }
  settings.WordsPerMinute = static_cast<std::int16_t>(*pace);
  settings.SpeedSettingsSelection =
      state.automatic ? engine::SpeedSelection::Automatic : engine::SpeedSelection::Custom;
  if (const auto layout = layoutOfItem(layoutItem(state.itemIndex))) {
    settings.LinesPerScreen = layout->lines;
    settings.WordsPerScreen = layout->words;
  }
  return true;
}

} // namespace dialogs
