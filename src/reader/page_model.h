// The page of the column modes (Single and Double): up to 100 lines per
// column with their heading marks, where the page began and whether it
// reached the end of the document, and how a page is filled from the
// document line by line (readFromPoint's building part).
//
// Contract: building a page always stays inside the document and always ends:
// every line read either moves the position forward or the page stops; a line
// that comes back wider than the column is cut into slots, and what does not
// fit on the page goes back to the document. Drawing is drawing_column.h.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/engine_state.h"
#include "engine/settings_record.h"
#include "platform/text_measure.h"

namespace engine {
class TextEngine;
}

namespace reader {

inline constexpr int MaxPageLines = 100;

struct PageColumn {
  std::vector<std::string> lines; // as drawn, at most MaxPageLines
  std::vector<bool> headings;     // same length: the line belongs to a heading
  bool operator==(const PageColumn&) const = default;
};

struct PageModel {
  std::int32_t pageStart = 1;
  std::array<PageColumn, 2> columns;
  bool pageAtEnd = false;
  bool pageDrawn = false;
  int pageTurns = 0;
  // Where the page's last line began (the line rule 7 repeats), 0 when none.
  std::int32_t lastLineStart = 0;
  // End of the last line that closed a sentence, 0 when none.
  std::int32_t lastSentenceEnd = 0;
};

// One line of a column page read from the document at CurrentPosition,
// measured in `font` against the state's columnTextWidth. The source leaves
// the engine's flags (RowBreak, HeadingFound, SentenceEnd, LineBreakCount,
// ForceBreak) in the engine state.
class ColumnLineSource {
public:
  virtual ~ColumnLineSource() = default;
  virtual std::string readColumnLine(const platform::FontSpec& font) = 0;
};

// The text engine's column line reader, measuring in the font asked for.
class EngineColumnLineSource : public ColumnLineSource {
public:
  explicit EngineColumnLineSource(engine::TextEngine& engine) : engine_(engine) {}
  std::string readColumnLine(const platform::FontSpec& font) override;

private:
  engine::TextEngine& engine_;
};

struct PageInputs {
  engine::EngineState& engine;
  const engine::SettingsRecord& settings;
  const platform::TextMeasure& measure;
  ColumnLineSource& source;
  platform::FontSpec columnFont; // as built from the settings
  int columnCount = 1;           // 1 (Single) or 2 (Double)
  int linesPerPage = 1;
  int columnWidth = 0; // width of pbColumn; the text may take 10 less
};

// Fills both columns from CurrentPosition (readFromPoint without drawing):
// sets the lines and heading marks, pageAtEnd, and with rule 7 moves
// CurrentPosition back to the start of the page's last line. Returns the
// position the page ended at before that move.
std::int32_t buildPage(PageModel& page, const PageInputs& in);

// readFromPoint without drawing: buildPage, and with rule 7 the furthest point
// read follows the repeated line back when it lay less than 60 characters
// beyond it. Returns what buildPage returns.
std::int32_t readPageFromPoint(PageModel& page, const PageInputs& in,
                               std::int32_t& lastReadPosition);

// The start of the page whose layout ends where a page starting at `start`
// begins: the earliest word start from which a page, laid out as buildPage
// does, still reaches `start`. 1 when the document's start is that close.
// Builds pages on `scratch` and leaves the engine's positions as they were.
std::int32_t previousPageStart(PageModel& scratch, const PageInputs& in, std::int32_t start);

// readColumnFrame's bookkeeping before a page is built: counts the turn and
// sets pageStart, FrameStartPosition and LineStartPosition to CurrentPosition.
// Returns false (nothing to do) when the page is at the end.
bool beginNextPage(PageModel& page, engine::EngineState& engine);

// readCurrentFrame's bookkeeping: CurrentPosition := pageStart (or pageStart
// := CurrentPosition when it is below 1). Returns true when the page began at
// the end of the document, so the caller goes one page back first.
bool beginSamePage(PageModel& page, engine::EngineState& engine);

// readCurrentFrame before the page is built again: beginSamePage, one page
// back when the page began at the end, and the turn not counted twice.
void restartShownPage(PageModel& page, const PageInputs& in);

// Right-trims a page line (white space and control characters), keeping the
// find bar's highlight marker (code 1) and the indentation at the start.
std::string trimPageLine(std::string_view line);

} // namespace reader
