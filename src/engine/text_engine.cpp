#include "engine/text_engine.h"

namespace engine {

struct TextEngine::Snapshot {
  EngineState state;
};

TextEngine::TextEngine(EngineState& state, SettingsRecord& settings,
                       const platform::TextMeasure& measure, EngineCallbacks callbacks)
    : state_(state), settings_(settings), measure_(measure), callbacks_(std::move(callbacks)) {}

std::string TextEngine::getNextWord() {
  return {};
}
std::string TextEngine::peekNextWord() {
  return {};
}
std::string TextEngine::readLine(std::uint8_t) {
  return {};
}
std::string TextEngine::readColumnLine() {
  return {};
}
bool TextEngine::detectHeading() {
  return false;
}
bool TextEngine::validateHeading(std::string_view) {
  return true;
}
void TextEngine::goToStart() {}
void TextEngine::goToEnd() {}
bool TextEngine::nextParagraph() {
  return false;
}
void TextEngine::previousParagraph() {}
void TextEngine::previousFrame() {}
bool TextEngine::nextFrames(std::uint8_t) {
  return false;
}
std::int32_t TextEngine::restoreSavedPosition(const std::vector<SavedPosition>&) {
  return 1;
}
platform::FontSpec TextEngine::currentFont() const {
  return {};
}
double TextEngine::textWidth(std::string_view text) const {
  return measure_.textWidth(currentFont(), text);
}

void setDocumentText(EngineState&, std::string) {}
int graphicNear(const EngineState&, std::int32_t) {
  return -1;
}
int graphicBetween(const EngineState&, std::int32_t, std::int32_t) {
  return -1;
}

} // namespace engine
