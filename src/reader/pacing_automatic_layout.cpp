#include "reader/pacing_automatic_layout.h"

#include <array>

namespace reader {
namespace {

struct AutomaticRow {
  int upTo; // last words-per-minute value of the row
  ScreenLayout layout;
};

constexpr std::array<AutomaticRow, 9> AutomaticTable = {{
    {150, {1, 1}},
    {340, {1, 2}},
    {500, {1, 3}},
    {750, {1, 4}},
    {1000, {1, 5}},
    {1400, {1, 6}},
    {1800, {2, 4}},
    {2000, {2, 5}},
    {3000, {3, 5}},
}};

} // namespace

ScreenLayout automaticLayout(int wordsPerMinute) {
  for (const AutomaticRow& row : AutomaticTable)
    if (wordsPerMinute <= row.upTo) return row.layout;
  return AutomaticTable.back().layout;
}

void applyAutomaticLayout(engine::SettingsRecord& settings) {
  const ScreenLayout layout = automaticLayout(settings.WordsPerMinute);
  settings.LinesPerScreen = layout.linesPerScreen;
  settings.WordsPerScreen = layout.wordsPerScreen;
}

} // namespace reader
