#include "engine/autoskim.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string_view>

namespace engine {

namespace {

bool isStopPunctuation(char c) {
  return c == '.' || c == '?' || c == ';' || c == ':' || c == '!' || c == '\x85';
}

bool isAsciiAlnum(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// White space and control characters, as trimmed everywhere in the engine.
bool isTrimmable(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && isTrimmable(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && isTrimmable(s.back()))
    s.remove_suffix(1);
  return s;
}

} // namespace

bool autoSkimWord(const SettingsRecord& settings, std::string& word) {
  if (!settings.CompressorStatus || word.empty()) return false;
  while (!trimmed(word).empty() && isStopPunctuation(word.front()))
    word.erase(0, 1);
  const std::string_view core = trimmed(word);
  if (core.empty() || !isAsciiAlnum(core.front())) return false;
  std::string key = ",";
  std::transform(core.begin(), core.end(), std::back_inserter(key), [](char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  });
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
