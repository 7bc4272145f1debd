#include "acquisition/hand_over_text.h"

#include "engine/text_helpers.h"

namespace acquisition {

std::string finishDocumentText(std::string text) {
  // Worked on in place: a document may be hundreds of megabytes.
  if (engine::trimView(text).empty()) return std::string(EmptyDocumentText);
  constexpr std::string_view fiveSpaces = "     ";
  if (engine::TextFinder(fiveSpaces).in(text) != std::string::npos)
    text = engine::replaceAll(text, fiveSpaces, "");
  const std::string_view core = engine::trimView(text);
  const auto from = static_cast<std::size_t>(core.data() - text.data());
  text.resize(from + core.size());
  text.erase(0, from);
  return text;
}

std::string hideReplyCharacters(std::string_view text) {
  std::string out = engine::replaceAll(text, "\r>", "\r");
  while (true) {
    std::string next = engine::replaceAll(out, "\r >", "\r");
    if (next.size() >= out.size()) break;
    out = std::move(next);
  }
  return out;
}

} // namespace acquisition
