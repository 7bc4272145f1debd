#include "engine/autoskim.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "engine/char_classes.h"

namespace engine {

namespace {

// The AutoSkim test with `inList` telling whether the lower-cased core of the
// word is an entry of the list.
template <class InList>
bool skim(const SettingsRecord& settings, std::string& word, const InList& inList) {
  if (!settings.CompressorStatus || word.empty()) return false;
  while (!trimView(word).empty() && isStopPunctuation(word.front()))
    word.erase(0, 1);
  const std::string_view core = trimView(word);
  if (core.empty() || !isAlphanumeric(core.front())) return false;
  // Most words fit the buffer on the stack; a longer one takes a string.
  std::array<char, 64> small;
  std::string large;
  char* lower = small.data();
  if (core.size() > small.size()) {
    large.resize(core.size());
    lower = large.data();
  }
  std::transform(core.begin(), core.end(), lower, lowerChar);
  if (!inList(std::string_view(lower, core.size()))) return false;
  if (settings.CompressorReplaceSelection == ReplaceSelection::Dots)
    word.assign(1, AutoSkimDot);
  else
    word.clear();
  return true;
}

} // namespace

bool autoSkimWord(const SettingsRecord& settings, std::string& word) {
  return skim(settings, word, [&settings](std::string_view lower) {
    std::string key;
    key.reserve(lower.size() + 2);
    key += ',';
    key += lower;
    key += ',';
    // memmem is markedly faster than std::string::find on a list this full
    // of commas.
    const std::string& list = settings.CompressorList;
    return memmem(list.data(), list.size(), key.data(), key.size()) != nullptr;
  });
}

bool autoSkimWord(const SettingsRecord& settings, const CommaListSet& words, std::string& word) {
  return skim(settings, word, [&words](std::string_view lower) { return words.contains(lower); });
}

const CommaListSet& AutoSkimWords::of(const std::string& list) {
  if (!built_ || built_->list != list) built_ = std::make_shared<const Built>(list);
  return built_->set;
}

} // namespace engine
