// The abbreviation list and the domain-suffix list the word scanner consults
// before it lets a dot end a word. Both are comma lists: every entry has a
// comma on each side. Matching is case-sensitive.
#pragma once

#include <string_view>

namespace engine {

// 193 entries in stored order; some are held twice, and three entries join
// two abbreviations with the bytes 0xC2 0xA0.
extern const std::string_view AbbreviationList;

// Only three-character entries can match the three characters after a dot.
inline constexpr std::string_view DomainSuffixList =
    ",asp,com,txt,zip,exe,doc,pdf,eml,ppt,net,org,html,htm,swf,go,ro,";

// word + "." with its leading non-alphanumerics removed is an entry.
bool isAbbreviation(std::string_view wordWithDot);
// The three characters after a dot, lower-cased, are an entry.
bool isDomainSuffix(std::string_view threeChars);

} // namespace engine
