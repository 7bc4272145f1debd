#include "engine/settings_record.h"

#include "engine/autoskim_words.h"
#include "engine/text_rules.h"

namespace engine {

int headingMaxWordsFor(const SettingsRecord& settings) {
  return settings.GeneralTextRules[RuleLongerHeadings] ? 12 : 8;
}

void deriveSettings(SettingsRecord& s) {
  s.HeadingMaxWords = static_cast<decltype(s.HeadingMaxWords)>(headingMaxWordsFor(s));
  s.CompressorList = activeCompressorList(s.CompresionSetting, s.UserDefinedCompressorSet);
}

} // namespace engine
