// The text engine: scans the document in EngineState into words, decides
// sentence ends, row breaks and headings, cuts banner lines, sentence frames
// and column lines, and walks forward and back through the document.
//
// Contract: the engine works only on the state, settings and measure it was
// given; it reaches the reader window and the word-processor adapter through
// the callbacks below. Any byte sequence can be read: every operation stays
// inside DocumentText and every reading loop makes progress or stops at the
// end. Pixel widths come from the TextMeasure in the font of the current mode.
// Reading never writes the settings.
//
// The words come from the word scanner (word_scanner.h), which this class
// applies to the state. The class is written in text_engine.cpp (state,
// measuring, loading), line_readers.cpp, headings.cpp and navigation.cpp.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/autoskim.h"
#include "engine/engine_state.h"
#include "engine/settings_record.h"
#include "engine/text_rules.h"
#include "engine/word_scanner.h"
#include "platform/text_measure.h"

namespace engine {

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
  // The text stays valid until the next word is read.
  const std::string& getNextWord();
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
  // Inline for the common case, a reading operation on the settings' font:
  // the line readers measure three times a word.
  double textWidth(std::string_view text) const {
    if (pinned_ && !callbacks_.currentFont) return measure_.textWidth(measureFont_, text);
    return measuredWidth(text);
  }

private:
  struct WordFit;
  // Held for one reading operation: the settings' font and AutoSkim set and
  // the document's source kind are looked up when the outermost pin is made
  // and kept until it goes (neither can change while the engine reads).
  class SettingsPin {
  public:
    explicit SettingsPin(const TextEngine& engine);
    ~SettingsPin();
    SettingsPin(const SettingsPin&) = delete;
    SettingsPin& operator=(const SettingsPin&) = delete;

  private:
    const TextEngine& engine_;
    const bool outer_;
  };
  void fillSettingsFont(platform::FontSpec& font) const;
  std::int32_t scanLength() const;
  std::int32_t endPosition() const;
  WordScan scan(std::int32_t position, bool withMap) const;
  void applyScan(const WordScan& scan);
  // The word read, in the last scan's text (valid until the next word is read).
  std::string& readWordWithPrefix(std::size_t& prefixLength, bool& skimDot);
  std::string splitLongWord(const std::string& word, std::size_t prefixLength, double limit);
  const std::string& readFittedWord(const WordFit& fit, bool& skimDot);
  double nextWordWidth() const;
  bool punctuatedBreakDue(std::int32_t words);
  std::int32_t wordsToSentenceEnd(std::int32_t limit) const;
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
  bool rule(TextRule r) const;
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
  std::int32_t lastNext_ = 1;              // position after the last word read
  mutable AutoSkimWords skimWords_;        // the AutoSkim list's entries, hashed
  std::int32_t lastStart_ = 1;             // where the scan of the last word read began
  WordScan lastWord_;                      // the scan of the last word read, kept for its buffer
  mutable platform::FontSpec measureFont_; // the settings' font, for textWidth
  // Inside one reading operation (a SettingsPin is alive) the font, the
  // AutoSkim set and the source kind are looked up once, not on every word.
  mutable bool pinned_ = false;
  mutable const CommaListSet* pinnedSkimWords_ = nullptr;
  mutable SourceKind pinnedKind_ = SourceKind::PlainText;
  const CommaListSet* skimWordSet() const;
  double measuredWidth(std::string_view text) const;
};

// The text the engine holds for a document without any.
inline constexpr std::string_view EmptyDocumentText = "The document is empty";

// DocumentText becomes `text` as it is, cut to the longest text a position
// reaches, and TextLength its length. Every document comes in through this:
// the hand-over's extractions, and loadDocument below.
void putDocumentText(EngineState& state, std::string text);

// A fresh engine over `text`, as the tests, fuzzers and benchmarks start one
// (the program's documents come through the hand-over): putDocumentText,
// DocumentLength its length, and the reading positions and the flags of the
// frame reset. Graphic positions, the document's name and the word counter
// are left as they are.
void loadDocument(EngineState& state, std::string text);

// loadDocument of the hand-over's text: white space and control characters
// are trimmed at both ends, and an empty result becomes EmptyDocumentText.
void setDocumentText(EngineState& state, std::string text);

// Index of the first graphic within 50 characters of `position`, or -1.
int graphicNear(const EngineState& state, std::int32_t position);
// Index of the first graphic in [from, to] (both inclusive), or -1.
int graphicBetween(const EngineState& state, std::int32_t from, std::int32_t to);

} // namespace engine
