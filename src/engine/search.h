// Text search of the find bar: whole-word, case-insensitive matches after the
// frame being read, shown by building the frame around the match.
//
// Contract: a search never leaves a trace in the document. The highlight
// marker (byte 1) is put into DocumentText only while the frame around a
// match is built and is always taken out again, so DocumentText, TextLength
// and DocumentLength are the same after a search as before it. Inside the
// built frame the marker becomes HighlightToken, from which the frame drawing
// finds the match again (splitHighlightedLine).
//
// Positions after a found match: FrameStartPosition is the start of the frame
// that shows it, and CurrentPosition is the end of that frame as it was read
// with the marker in place, i.e. one past the same place in the restored
// text; the reader steps back by one when it goes on reading from there.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "engine/engine_state.h"
#include "engine/settings_record.h"

namespace engine {

class TextEngine;

// Put into the document at a match while its frame is built.
inline constexpr char HighlightMarker = '\x01';
// Stands in for the marker in the frame line (7 characters).
inline constexpr std::string_view HighlightToken = "<\\*#*\\>";

// How far back from a match the frame that shows it may begin.
inline constexpr std::int32_t MaxSearchStepBack = 100;

// State kept by the reader window between searches.
struct SearchState {
  bool FindActive = false;    // the find bar is open
  std::int32_t FindCount = 0; // matches shown since opened or wrapped
  std::int32_t FindStart = 0; // frame start when the first search began
  std::int32_t LastMatch = 0; // match position + 1; 0 = no search yet; -1 = from the start
  bool MatchShown = false;    // a match is highlighted in the current frame
  bool SkimWasOn = false;     // AutoSkim was on when the bar opened
};

struct SearchOutcome {
  bool found = false;
  std::int32_t matchPosition = 0; // 1-based start of the match
  std::int32_t startedAt = 0;     // where the search began
  // Not found, and there is more to search from the beginning: the reader
  // calls offerSearchRestart after its one-second pause.
  bool offerRestart = false;
};

// The search text as searched: lower case, trimmed.
std::string normaliseSearchText(std::string_view text);

// 1-based start of the first whole-word occurrence of `needle` in `text` at or
// after `from`, ignoring ASCII case; 0 when there is none. A match is whole
// when the characters just before and just after it (where there are any)
// are not letters or digits. An empty needle never matches.
std::int64_t findWholeWord(std::string_view text, std::string_view needle, std::int64_t from);

// Puts the marker into the document before position p (1..length+1) and
// grows TextLength and DocumentLength by one. Returns false (nothing changed)
// for a position outside the document.
bool insertHighlightMarker(EngineState& state, std::int32_t p);
// Takes out the marker at p again; false (nothing changed) when the character
// at p is not the marker.
bool removeHighlightMarker(EngineState& state, std::int32_t p);

// Replaces the first marker in `line` by HighlightToken; false when `line`
// holds no marker.
bool markHighlightInLine(std::string& line);

// A frame line cut for drawing: the text before the match, the match, and the
// text after it. `found` is false when the line holds no token or the match
// is not found again after it; `before` is then the whole line without the
// token.
struct HighlightSplit {
  std::string before;
  std::string match;
  std::string after;
  bool found = false;
};
HighlightSplit splitHighlightedLine(std::string_view line, std::string_view searchText);

// Builds a frame from CurrentPosition into FrameLines / FrameText (the
// reader's readFrame). Absent = lines of WordsPerScreen words read with
// readLine until LinesInFrame lines or a sentence end, row break or heading.
using FrameReader = std::function<void()>;

// Opening the bar: AutoSkim is switched off while it is open.
void beginFind(SearchState& search, SettingsRecord& settings);
// Closing it (Go or Cancel): AutoSkim back on if it was, counters cleared.
void endFind(SearchState& search, SettingsRecord& settings);
// The reader's wrap step after a not-found search: the next search starts at
// the beginning of the document.
void offerSearchRestart(SearchState& search);

// Find Next: searches `searchText` from the place the state gives and, on a
// match, builds the frame that shows it with the marker turned into
// HighlightToken. On no match CurrentPosition returns to FindStart.
SearchOutcome findNext(TextEngine& engine, SearchState& search, std::string_view searchText,
                       const FrameReader& readFrame = {});

} // namespace engine
