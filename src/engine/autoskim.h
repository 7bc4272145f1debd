// AutoSkim: drops a share of the most common English words while the text is
// scanned. The word scanner calls autoSkimWord once for every word it reads,
// before the word's trailing separators are appended to it.
#pragma once

#include <memory>
#include <string>

#include "engine/settings_record.h"
#include "engine/text_helpers.h"

namespace engine {

// The single character a dropped word becomes in Dots mode (middle dot).
inline constexpr char AutoSkimDot = '\xB7';

// Applies the AutoSkim test to `word` (the word without its tail) when
// AutoSkim is on and the word is not empty. Leading stop punctuation is
// removed from `word` in every case. Returns true when the word is dropped:
// `word` is then the dot (Dots mode) or empty (Hide mode), and the caller
// discards the separators that followed the word.
bool autoSkimWord(const SettingsRecord& settings, std::string& word);

// The same test with the entries of settings.CompressorList already hashed
// (`words` must be the set of that list).
bool autoSkimWord(const SettingsRecord& settings, const CommaListSet& words, std::string& word);

// The entries of an AutoSkim list as a set, built again only when the list
// changes, so that the word test is one hash look-up instead of a search
// through the whole list. Copies share the set.
class AutoSkimWords {
public:
  const CommaListSet& of(const std::string& list);

private:
  struct Built {
    explicit Built(std::string from) : list(std::move(from)), set(list) {}
    const std::string list;
    const CommaListSet set; // views into list
  };
  std::shared_ptr<const Built> built_;
};

} // namespace engine
