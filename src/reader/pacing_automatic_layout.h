// The automatic words-per-screen choice: the layout (lines per frame and
// words per line) that follows the speed when SpeedSettingsSelection is
// Automatic. Pure; the table covers 1..3000 words per minute, and speeds
// outside it take the nearest end of the table.
#pragma once

#include <cstdint>

#include "engine/settings_record.h"

namespace reader {

struct ScreenLayout {
  std::uint8_t linesPerScreen = 1;
  std::uint8_t wordsPerScreen = 1;
  bool operator==(const ScreenLayout&) const = default;
};

ScreenLayout automaticLayout(int wordsPerMinute);

// Sets WordsPerScreen and LinesPerScreen from the automatic table for the
// settings' WordsPerMinute.
void applyAutomaticLayout(engine::SettingsRecord& settings);

} // namespace reader
