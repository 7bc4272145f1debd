// The text engine: scans the document in EngineState into words, decides
// sentence ends, row breaks and headings, cuts banner lines, sentence frames
// and column lines, and walks forward and back through the document.
//
// Contract: the engine works only on the state, settings and measure it was
// given; it reaches the reader window and the word-processor adapter through
// the callbacks below. Any byte sequence can be read: every operation stays
// inside DocumentText and every reading loop makes progress or stops at the
// end. Pixel widths come from the TextMeasure in the font of the current mode.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_state.h"
#include "engine/settings_record.h"
#include "platform/text_measure.h"

namespace engine {

// Characters a line may hold, by words per line (index 1..6; index 0 holds 0).
inline constexpr std::array<int, 7> MaxLineChars = {0, 0, 14, 20, 26, 32, 38};

// Text placed before the first line of a frame rebuilt by stepping back.
inline constexpr std::string_view PreviousFrameMark = "...";

struct EngineCallbacks {
  // Sets the reader's frame interval for a frame of `words` words; 0 asks
  // for the next tick at once. Absent = ignored.
  std::function<void(std::int32_t words)> setFrameTiming;
  // Font the current reading mode is drawn in. Absent = built from the
  // settings: the banner font in Banner and Sentence mode, the column font in
  // Single and Double mode.
  std::function<platform::FontSpec()> currentFont;
  // Word documents: true when `candidate` is set in a larger font than the
  // text after it. Absent = the candidate is kept.
  std::function<bool(std::string_view candidate)> headingFontLarger;
  // Kind of the document's source, for the per-source row-break rule.
  // Absent = plain text.
  std::function<SourceKind()> sourceKind;
};

class TextEngine {
public:
  TextEngine(EngineState& state, SettingsRecord& settings, const platform::TextMeasure& measure,
             EngineCallbacks callbacks = {});

  EngineState& state() { return state_; }
  const EngineState& state() const { return state_; }
  SettingsRecord& settings() { return settings_; }
  EngineCallbacks& callbacks() { return callbacks_; }

  // --- Word scanner ---------------------------------------------------------
  // Reads one word with its punctuation from CurrentPosition, leaves
  // CurrentPosition on the next word, and sets SentenceEnd, RowBreak,
  // LineBreakCount, MultiBreak, ForceBreak and HeadingFound from the word's
  // tail and the next word. AutoSkim may turn the word into the dot or "".
  std::string getNextWord();
  // The word getNextWord would return next; nothing is changed.
  std::string peekNextWord();

  // --- Lines and frames -----------------------------------------------------
  // Banner, Single and Double mode: one line of at most `wordsPerLine` words.
  // Sentence mode: one whole sentence wrapped into FrameLines, with the frame
  // interval set through setFrameTiming.
  std::string readLine(std::uint8_t wordsPerLine);
  // One line of a column page, measured against columnTextWidth.
  std::string readColumnLine();

  // --- Headings --------------------------------------------------------------
  // Runs the heading detector from LineStartPosition; sets HeadingCandidate.
  bool detectHeading();
  // Sentence mode: keeps or drops a heading candidate (see headingFontLarger).
  bool validateHeading(std::string_view candidate);

  // --- Navigation -------------------------------------------------------------
  void goToStart();
  void goToEnd();
  bool nextParagraph();
  void previousParagraph();
  // Steps back one frame (a sentence in Sentence mode) and rebuilds it in
  // FrameLines / FrameText; the rebuilt frame opens with "...".
  void previousFrame();
  // Reads `count` frames forward without drawing; false when no text is left.
  bool nextFrames(std::uint8_t count);

  // --- Saved positions --------------------------------------------------------
  // Looks DocumentName up in the table and sets CurrentPosition (moved back to
  // the start of its word) or 1; FrameStartPosition := 1. Returns the
  // position set, for the reader's drawing position.
  std::int32_t restoreSavedPosition(const std::vector<SavedPosition>& table);

  // --- Measuring --------------------------------------------------------------
  platform::FontSpec currentFont() const;
  double textWidth(std::string_view text) const;

private:
  struct Scan;
  struct Flags;
  Flags saveFlags() const;
  void restoreFlags(const Flags& f);

  std::int32_t scanLength() const;
  std::int32_t endPosition() const;
  void scanAt(std::int32_t position, Scan& out, bool withMap) const;
  void applyScan(const Scan& scan);
  std::string readWordWithPrefix(std::size_t& prefixLength, bool& skimDot);
  std::string splitLongWord(const std::string& word, std::size_t prefixLength, double limit);
  std::string_view nextWordText(std::int32_t position) const;
  double nextWordWidth() const;
  bool punctuatedBreakDue(std::int32_t words, std::uint8_t wordsPerLine);
  std::int32_t wordsToSentenceEnd(std::int32_t limit);
  void headingTestAfterLine();
  std::string readBannerLine(std::uint8_t wordsPerLine, std::string_view prefix);
  std::string readSentenceLine();
  bool readFrameQuietly();
  int rebuildFrame(std::int32_t from, std::int32_t to, std::vector<std::int32_t>* lineStarts,
                   int maxLines);
  void previousSentence();
  void previousBannerFrame();
  bool isSentenceMode() const;
  bool isColumnMode() const;
  SourceKind sourceKind() const;
  bool rule(int index) const;
  std::uint8_t framesLines() const;

  EngineState& state_;
  SettingsRecord& settings_;
  const platform::TextMeasure& measure_;
  EngineCallbacks callbacks_;

  // Reading inside the engine's own navigation: no frame timing, no heading
  // test, and no word read at or past stopAt_.
  bool quiet_ = false;
  std::int32_t stopAt_ = 0;
  bool lastWordSkimmed_ = false;
  std::int32_t lastNext_ = 1;         // position after the last word read
  std::vector<std::int32_t> lastMap_; // document position of each character of the last word
};

// Hand-over of a new text: trims white space and control characters at both
// ends (an empty result becomes "The document is empty"), sets TextLength,
// OriginalText and DocumentLength, and resets the reading positions and flags.
void setDocumentText(EngineState& state, std::string text);

// Index of the first graphic within 50 characters of `position`, or -1.
int graphicNear(const EngineState& state, std::int32_t position);
// Index of the first graphic in [from, to] (both inclusive), or -1.
int graphicBetween(const EngineState& state, std::int32_t from, std::int32_t to);

} // namespace engine
