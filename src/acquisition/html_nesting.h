// A guard before the HTML parser. Gumbo's time grows with the square of the
// depth of the open elements (every start tag looks through the stack of open
// elements), so a page of 20,000 nested <div>s would take it half a minute.
// Start tags beyond a depth no real page reaches are dropped, with their end
// tags, before parsing: the text inside them is kept, only their structure
// is lost.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace acquisition {

inline constexpr std::size_t MaxHtmlNesting = 1500;

// The page with the tags beyond `maxDepth` taken out, or nothing when the
// page never nests that deep. The depth is estimated from the markup alone:
// void elements and the elements whose end tags may be left out (p, li,
// option, table cells and rows...) do not count, comments and the contents
// of script, style and other raw-text elements are skipped.
std::optional<std::string> flattenDeepNesting(std::string_view html,
                                              std::size_t maxDepth = MaxHtmlNesting);

} // namespace acquisition
