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

} // namespace engine
