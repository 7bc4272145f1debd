// The text rules that stand apart from the scanner: the names of the 18
// rule flags and the punctuated break-up test. Rule 14, the removal of reply
// characters, belongs to the capture: acquisition's hideReplyCharacters.
#pragma once

#include <string_view>

#include "engine/settings_record.h"

namespace engine {

// Indexes into GeneralTextRules.
enum TextRule : int {
  RuleUnderlineHeadings = 0,
  RuleIsolatedLinesAsHeadings = 1,
  RuleLongerHeadings = 2,
  RuleIgnorePunctuatedHeadings = 3,
  RuleIgnoreMultipleReturns = 4,
  RuleCombineSmallSentences = 5,
  RuleIncreaseLineSpacing = 6,
  RuleRepeatLastLine = 7,
  RuleSmallParagraphsAsSentences = 8,
  RuleDelayAtSentenceEnd = 9,
  RuleDelayAtParagraphEnd = 10,
  RulePunctuatedBreakUp = 11,
  RuleWordRowPerReturn = 12,
  RulePdfRowPerReturn = 13,
  RuleHideReplyCharacters = 14,
  RuleOutlookRowPerReturn = 15,
  RuleCapitalizedRows = 16,
  RuleTextRowPerReturn = 17
};

// Rule 11: the word is not empty and its trimmed text ends with , ; ) ] - or '.
bool isPunctuatedBreak(const SettingsRecord& settings, std::string_view word);

} // namespace engine
