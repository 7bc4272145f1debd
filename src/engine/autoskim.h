// AutoSkim: drops a share of the most common English words while the text is
// scanned. The word scanner calls autoSkimWord once for every word it reads,
// before the word's trailing separators are appended to it.
#pragma once

#include <string>

#include "engine/settings_record.h"

namespace engine {

// The single character a dropped word becomes in Dots mode (middle dot).
inline constexpr char AutoSkimDot = '\xB7';

// Applies the AutoSkim test to `word` (the word without its tail) when
// AutoSkim is on and the word is not empty. Leading stop punctuation is
// removed from `word` in every case. Returns true when the word is dropped:
// `word` is then the dot (Dots mode) or empty (Hide mode), and the caller
// discards the separators that followed the word.
bool autoSkimWord(const SettingsRecord& settings, std::string& word);

} // namespace engine
