#include "engine/text_engine.h"

#include <algorithm>
#include <limits>

#include "engine/autoskim.h"
#include "engine/char_classes.h"
#include "engine/text_helpers.h"

namespace engine {

TextEngine::TextEngine(EngineState& state, SettingsRecord& settings,
                       const platform::TextMeasure& measure, EngineCallbacks callbacks)
    : state_(state), settings_(settings), measure_(measure), callbacks_(std::move(callbacks)) {}

// ---------------------------------------------------------------------------
// Settings and measuring

bool TextEngine::isSentenceMode() const {
  return settings_.ReadingMode == ReadingModeKind::Sentence;
}
bool TextEngine::isColumnMode() const {
  return !isBannerMode(settings_.ReadingMode);
}
SourceKind TextEngine::sourceKind() const {
  if (pinned_) return pinnedKind_;
  return callbacks_.sourceKind ? callbacks_.sourceKind() : SourceKind::PlainText;
}
bool TextEngine::rule(TextRule r) const {
  return settings_.GeneralTextRules[r];
}
std::uint8_t TextEngine::framesLines() const {
  return static_cast<std::uint8_t>(std::clamp<int>(state_.LinesInFrame, 1, MaxFrameLines));
}

platform::FontSpec TextEngine::currentFont() const {
  if (callbacks_.currentFont) return callbacks_.currentFont();
  platform::FontSpec font;
  fillSettingsFont(font);
  return font;
}

// The font of the current mode from the settings, written into `font` field
// by field: the family is copied only when it changed.
void TextEngine::fillSettingsFont(platform::FontSpec& font) const {
  const TextStyle& style = settings_.styleOf(settings_.ReadingMode);
  if (!sameShortText(font.family, style.FontName)) font.family = style.FontName;
  font.pointSize = style.FontPointSize;
  font.bold = style.FontStyle == FontStyle::Bold;
  font.underline = false;
  font.antialias = settings_.ClearTypeFont;
}

double TextEngine::measuredWidth(std::string_view text) const {
  if (callbacks_.currentFont) return measure_.textWidth(callbacks_.currentFont(), text);
  // Kept between calls, so that measuring builds no font.
  if (!pinned_) fillSettingsFont(measureFont_);
  return measure_.textWidth(measureFont_, text);
}

TextEngine::SettingsPin::SettingsPin(const TextEngine& engine)
    : engine_(engine), outer_(engine.pinned_) {
  if (outer_) return;
  engine.fillSettingsFont(engine.measureFont_);
  engine.pinnedSkimWords_ = engine.skimWordSet();
  engine.pinnedKind_ = engine.sourceKind();
  engine.pinned_ = true;
}

TextEngine::SettingsPin::~SettingsPin() {
  if (!outer_) engine_.pinned_ = false;
}

const CommaListSet* TextEngine::skimWordSet() const {
  if (pinned_) return pinnedSkimWords_;
  return settings_.CompressorStatus ? &skimWords_.of(settings_.CompressorList) : nullptr;
}

// The scanner reads the string itself; loops stop at the document length.
std::int32_t TextEngine::scanLength() const {
  return engine::scanLength(state_);
}
std::int32_t TextEngine::endPosition() const {
  return static_cast<std::int32_t>(
      std::min<std::int64_t>(state_.DocumentLength, static_cast<std::int64_t>(scanLength())));
}

// ---------------------------------------------------------------------------
// Words

WordScan TextEngine::scan(std::int32_t position, bool withMap) const {
  return scanWord(state_, settings_, sourceKind(), position, withMap, skimWordSet());
}

void TextEngine::applyScan(const WordScan& scan) {
  EngineState& s = state_;
  s.WordStartPosition = scan.start;
  s.CurrentPosition = scan.endReached ? scanLength() : scan.next;
  if (s.CurrentPosition < 1) s.CurrentPosition = 1;
  s.SentenceEnd = scan.sentenceEnd;
  if (scan.rowBreak) s.RowBreak = true;
  s.LineBreakCount = static_cast<std::uint8_t>(std::min(scan.crs, 255));
  s.MultiBreak = scan.crs > 1;
  s.ForceBreak = scan.forceBreak;
  s.ColonLine = scan.colonLine;
  if (scan.heading) s.HeadingFound = true;
  lastWordSkimmed_ = scan.skimmed;
}

const std::string& TextEngine::getNextWord() {
  // The positions of the word's characters are needed only when a word too
  // long for its line is cut; splitLongWord scans the word again for them.
  scanWordInto(lastWord_, state_, settings_, sourceKind(), state_.CurrentPosition, false,
               skimWordSet());
  applyScan(lastWord_);
  lastStart_ = lastWord_.start;
  lastNext_ = lastWord_.next;
  return lastWord_.text;
}

std::string TextEngine::peekNextWord() {
  return scan(state_.CurrentPosition, false).text;
}

// ---------------------------------------------------------------------------
// Saved positions and loading

std::int32_t TextEngine::restoreSavedPosition(const std::vector<SavedPosition>& table) {
  EngineState& s = state_;
  s.CurrentPosition = 1;
  s.FrameStartPosition = 1;
  if (trimView(s.DocumentName).empty()) return 1;
  for (const SavedPosition& entry : table) {
    if (entry.name != s.DocumentName) continue;
    if (entry.position >= 1 && beforeEnd(s, entry.position)) {
      std::int32_t p = std::min<std::int32_t>(entry.position, scanLength());
      while (p >= 2 && isAlphanumeric(s.DocumentText[p - 2]))
        --p;
      s.CurrentPosition = std::max<std::int32_t>(p, 1);
    }
    break;
  }
  return s.CurrentPosition;
}

void putDocumentText(EngineState& state, std::string text) {
  constexpr std::size_t longest = std::numeric_limits<std::int32_t>::max() - 1;
  if (text.size() > longest) text.resize(longest);
  state.DocumentText = std::move(text);
  state.TextLength = static_cast<std::int32_t>(state.DocumentText.size());
}

void loadDocument(EngineState& state, std::string text) {
  putDocumentText(state, std::move(text));
  state.DocumentLength = static_cast<std::uint32_t>(state.TextLength);
  state.CurrentPosition = 1;
  state.FrameStartPosition = 1;
  state.PreviousFrameStart = -1;
  state.WordStartPosition = 1;
  state.LineStartPosition = 1;
  state.LastHeadingCheck = -1;
  state.NewParagraphPending = false;
  state.HeadingFound = state.RowBreak = state.SentenceEnd = state.LineFull = false;
  state.MultiBreak = state.ForceBreak = state.HeadingIcon = state.HeadingCandidate = false;
  state.ColonLine = false;
  state.LineBreakCount = 0;
  state.LineChars = state.LineSpaces = 0;
  state.LineIndex = 0;
  for (auto& l : state.FrameLines)
    l.clear();
  state.FrameText.clear();
  state.HeadingText.clear();
  state.HeadingWordCount = 0;
}

void setDocumentText(EngineState& state, std::string text) {
  const std::string_view core = trimView(text);
  loadDocument(state, core.empty() ? std::string(EmptyDocumentText) : std::string(core));
}

// ---------------------------------------------------------------------------
// Graphics

int graphicNear(const EngineState& state, std::int32_t position) {
  for (std::size_t i = 0; i < state.GraphicPositions.size(); ++i) {
    const std::int64_t d = static_cast<std::int64_t>(state.GraphicPositions[i].position) - position;
    if (d >= -50 && d <= 50) return static_cast<int>(i);
  }
  return -1;
}

int graphicBetween(const EngineState& state, std::int32_t from, std::int32_t to) {
  for (std::size_t i = 0; i < state.GraphicPositions.size(); ++i) {
    const std::int32_t p = state.GraphicPositions[i].position;
    if (p >= from && p <= to) return static_cast<int>(i);
  }
  return -1;
}

} // namespace engine
