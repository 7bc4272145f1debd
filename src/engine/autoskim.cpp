#include "engine/autoskim.h"

#include <cstring>
#include <string_view>

#include "engine/char_classes.h"
#include "engine/text_helpers.h"

namespace engine {

bool autoSkimWord(const SettingsRecord& settings, std::string& word) {
  if (!settings.CompressorStatus || word.empty()) return false;
  while (!trimView(word).empty() && isStopPunctuation(word.front()))
    word.erase(0, 1);
  const std::string_view core = trimView(word);
  if (core.empty() || !isAlphanumeric(core.front())) return false;
  std::string key;
  key.reserve(core.size() + 2);
  key += ',';
  for (char c : core)
    key += lowerChar(c);
  key += ',';
  // memmem is markedly faster than std::string::find on a list this full of
  // commas, and the word test runs for every word read.
  const std::string& list = settings.CompressorList;
  if (memmem(list.data(), list.size(), key.data(), key.size()) == nullptr) return false;
  word = settings.CompressorReplaceSelection == ReplaceSelection::Dots ? std::string(1, AutoSkimDot)
                                                                       : std::string();
  return true;
}

} // namespace engine
