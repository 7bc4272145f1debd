#include "reader/words_per_screen.h"

namespace reader {

namespace {

// Upper speed bound of each band with its words per line and lines.
struct Band {
  int upTo;
  WordsAndLines value;
};

constexpr std::array<Band, 9> Bands = {{
    {150, {1, 1}},
    {340, {2, 1}},
    {500, {3, 1}},
    {750, {4, 1}},
    {1000, {5, 1}},
    {1400, {6, 1}},
    {1800, {4, 2}},
    {2000, {5, 2}},
    {3000, {5, 3}},
}};

} // namespace

AutomaticTable buildAutomaticTable() {
  AutomaticTable table{};
  std::size_t band = 0;
  for (int wpm = 1; wpm <= AutomaticTableSize; ++wpm) {
    while (band + 1 < Bands.size() && wpm > Bands[band].upTo)
      ++band;
    table[static_cast<std::size_t>(wpm - 1)] = Bands[band].value;
  }
  return table;
}

WordsAndLines automaticEntry(const AutomaticTable& table, int wordsPerMinute) {
  if (wordsPerMinute < 1) wordsPerMinute = 1;
  if (wordsPerMinute > AutomaticTableSize) wordsPerMinute = AutomaticTableSize;
  return table[static_cast<std::size_t>(wordsPerMinute - 1)];
}

void SetWPSLPS(engine::SettingsRecord& settings, const AutomaticTable& table) {
  const WordsAndLines entry = automaticEntry(table, settings.WordsPerMinute);
  settings.WordsPerScreen = entry.words;
  settings.LinesPerScreen = entry.lines;
}

bool chooseWordsPerScreen(engine::SettingsRecord& settings, const AutomaticTable& table,
                          std::size_t item) {
  if (item >= WordsPerScreenItems.size()) return false;
  if (item == 0) {
    settings.SpeedSettingsSelection = engine::SpeedSelection::Automatic;
    SetWPSLPS(settings, table);
    return true;
  }
  settings.SpeedSettingsSelection = engine::SpeedSelection::Custom;
  settings.LinesPerScreen = WordsPerScreenItems[item].lines;
  settings.WordsPerScreen = WordsPerScreenItems[item].words;
  return true;
}

std::size_t checkedWordsPerScreenItem(const engine::SettingsRecord& settings) {
  if (settings.SpeedSettingsSelection == engine::SpeedSelection::Automatic) return 0;
  std::size_t offset = 0;
  switch (settings.LinesPerScreen) {
  case 1:
    offset = 0;
    break;
  case 2:
    offset = 4;
    break;
  case 3:
    offset = 6;
    break;
  default:
    return WordsPerScreenItemCount;
  }
  const std::size_t index = settings.WordsPerScreen + offset;
  if (settings.WordsPerScreen == 0 || index >= WordsPerScreenItemCount)
    return WordsPerScreenItemCount;
  return index;
}

} // namespace reader
