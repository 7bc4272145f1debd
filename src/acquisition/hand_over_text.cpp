#include "acquisition/hand_over_text.h"

#include "engine/text_helpers.h"

namespace acquisition {

std::string finishDocumentText(std::string_view text) {
  // One copy of the text at a time: a document may be hundreds of megabytes.
  if (engine::trimView(text).empty()) return std::string(EmptyDocumentText);
  constexpr std::string_view fiveSpaces = "     ";
  if (text.find(fiveSpaces) == std::string_view::npos) return engine::trim(text);
  std::string out = engine::replaceAll(text, fiveSpaces, "");
  const std::string_view core = engine::trimView(out);
  const auto from = static_cast<std::size_t>(core.data() - out.data());
  out.resize(from + core.size());
  out.erase(0, from);
  return out;
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
