#include "engine/text_rules.h"

#include "engine/text_helpers.h"

namespace engine {

bool isPunctuatedBreak(const SettingsRecord& settings, std::string_view word) {
  if (!settings.GeneralTextRules[RulePunctuatedBreakUp] || word.empty()) return false;
  const std::string_view core = trimView(word);
  if (core.empty()) return false;
  const char last = core.back();
  return last == ',' || last == ';' || last == ')' || last == ']' || last == '-' || last == '\'';
}

std::string removeReplyCharacters(std::string_view text) {
  std::string out = replaceAll(text, "\r>", "\r");
  while (true) {
    std::string next = replaceAll(out, "\r >", "\r");
    if (next.size() >= out.size()) break;
    out = std::move(next);
  }
  return out;
}

} // namespace engine
