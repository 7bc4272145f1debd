// The engine state: the one document being read, the positions into it, the
// flags of the frame being built and the heading and graphic marks. One value
// is made in main and handed by reference to the engine and to the parts that
// read it (reader window, hand-over, search). Positions are 1-based indexes
// into DocumentText held in signed 32-bit; DocumentLength is unsigned and every
// comparison of a position with it is made in 64-bit arithmetic (see
// beforeEnd / atOrPastEnd), so a negative position never counts as past the end.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace engine {

// Kind of the document's source; drives the per-source row-break rule.
enum class SourceKind : std::uint8_t {
  PlainText = 0,
  Word = 1,
  Pdf = 2,
  OutlookExpress = 3,
  Outlook = 4,
  WebPage = 5
};

// A place where the source document held a graphic: a table whose text the
// capture removed (mark 0) or a picture (mark -1).
struct GraphicPosition {
  std::int32_t position = 0;
  std::int32_t mark = 0;
  bool operator==(const GraphicPosition&) const = default;
};

inline constexpr std::size_t MaxGraphicPositions = 10001;
inline constexpr int MaxFrameLines = 5;

struct EngineState {
  // The document and its positions.
  std::string DocumentText;
  std::string DocumentName;
  std::int32_t TextLength = 0;
  std::uint32_t DocumentLength = 0;
  std::int32_t CurrentPosition = 1;
  std::int32_t FrameStartPosition = 1;
  std::int32_t PreviousFrameStart = -1;
  std::int32_t WordStartPosition = 1;
  std::int32_t LineStartPosition = 1;
  std::int32_t LastHeadingCheck = -1;
  bool NewParagraphPending = false;
  std::uint32_t WordCounter = 0;

  // The frame being built.
  bool HeadingFound = false;
  bool RowBreak = false;
  bool SentenceEnd = false;
  bool LineFull = false;
  bool MultiBreak = false;
  std::uint8_t LineBreakCount = 0;
  std::int32_t LineChars = 0;
  std::int32_t LineSpaces = 0;
  std::uint8_t LineIndex = 0;
  std::uint8_t LinesInFrame = 1;
  std::array<std::string, MaxFrameLines> FrameLines;
  std::string FrameText;
  double bannerTextWidth = 0.0; // banner text area width minus 10, pixels
  double columnTextWidth = 0.0; // column area width minus 10, pixels
  bool ForceBreak = false;
  bool CountWords = false;
  bool HeadingIcon = false;

  // Headings and graphics. HeadingMaxWords lives in the settings record.
  bool HeadingCandidate = false;
  std::vector<GraphicPosition> GraphicPositions; // ascending, at most MaxGraphicPositions

  // Scanner flags kept between words.
  bool ColonLine = false; // a tail held ':' and backslash-n

  // Column line reader: the words read since the last heading check.
  std::string HeadingText;
  std::int32_t HeadingWordCount = 0;

  // Words (AutoSkim dots not counted) in the last frame the engine's own
  // frame readers built (nextFrames, previousFrame), for the frame timing.
  std::int32_t FrameWordCount = 0;
};

// Position comparisons against the unsigned length, in 64-bit.
inline bool beforeEnd(const EngineState& s, std::int64_t position) {
  return position < static_cast<std::int64_t>(s.DocumentLength);
}
inline bool atOrPastEnd(const EngineState& s, std::int64_t position) {
  return !beforeEnd(s, position);
}

// Adds a graphic mark; refuses (returns false) once the table is full.
inline bool addGraphicPosition(EngineState& s, std::int32_t position, std::int32_t mark) {
  if (s.GraphicPositions.size() >= MaxGraphicPositions) return false;
  s.GraphicPositions.push_back({position, mark});
  return true;
}

} // namespace engine
