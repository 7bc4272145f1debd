#include "acquisition/hand_over_text.h"

#include "engine/text_helpers.h"

namespace acquisition {

std::string finishDocumentText(std::string_view text) {
  std::string out =
      engine::trimView(text).empty() ? std::string(EmptyDocumentText) : std::string(text);
  constexpr std::string_view fiveSpaces = "     ";
  if (out.find(fiveSpaces) != std::string::npos) {
    out = engine::trimRight(engine::replaceAll(out, fiveSpaces, ""));
  }
  return engine::trim(out);
}

} // namespace acquisition
