// The word scanner: reads one word of DocumentText with the separators after
// it (its tail) and decides, from the tail and the first characters of the
// next word, whether a sentence ends, a row breaks and whether the line the
// word ends is a heading. AutoSkim may turn the word into the dot or "".
//
// Contract: a scan reads the engine state and never changes it; the text
// engine applies a scan to the state (getNextWord) or throws it away (a peek,
// a look-ahead). A scan from any position stays inside DocumentText and, short
// of the end, always moves past at least one character.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_state.h"
#include "engine/settings_record.h"
#include "engine/text_helpers.h"

namespace engine {

// A run of word characters is cut after this many bytes, so that a text
// without separators is still read in bounded steps.
inline constexpr std::int32_t MaxWordScan = 256;

// Everything one scan finds out.
struct WordScan {
  std::string text;              // the word as shown, with its punctuation
  std::vector<std::int32_t> map; // document position of each character of text (when asked)
  std::int32_t start = 1;        // where the scan began
  std::int32_t next = 1;         // first character of the next word
  int crs = 0;                   // line breaks after the word, as LineBreakCount counts them
  bool sentenceEnd = false;
  bool rowBreak = false;
  bool forceBreak = false; // a dotted leader: the line ends after it
  bool colonLine = false;
  bool heading = false;
  bool skimmed = false; // AutoSkim dropped the word
  bool endReached = false;

  // Back to a scan not yet made, keeping the buffers of text and map.
  void clear() {
    text.clear();
    map.clear();
    start = next = 1;
    crs = 0;
    sentenceEnd = rowBreak = forceBreak = colonLine = heading = skimmed = endReached = false;
  }
};

// Scans the word at `position`. `kind` is the source of the document, for
// the per-source row-break rule; `withMap` asks for WordScan::map.
// `skimWords`, when given, is the set of settings.CompressorList's entries.
WordScan scanWord(const EngineState& state, const SettingsRecord& settings, SourceKind kind,
                  std::int32_t position, bool withMap, const CommaListSet* skimWords = nullptr);

// The same scan, made in `out`: a reader that keeps one WordScan for the
// word it reads moves no text around.
void scanWordInto(WordScan& out, const EngineState& state, const SettingsRecord& settings,
                  SourceKind kind, std::int32_t position, bool withMap,
                  const CommaListSet* skimWords = nullptr);

// The same scan through every step, without the shortcut scanWord takes for
// a plain word followed by one space; both give the same scan.
WordScan scanWordInFull(const EngineState& state, const SettingsRecord& settings, SourceKind kind,
                        std::int32_t position, bool withMap,
                        const CommaListSet* skimWords = nullptr);

// How much of DocumentText the scanner reads: all of it, up to the longest
// text a signed 32-bit position reaches.
std::int32_t scanLength(const EngineState& state);

// The characters from `position` up to the first separator after a word
// character (at most MaxWordScan of them); separators before the word are
// skipped and not returned.
std::string_view nextWordText(const EngineState& state, std::int32_t position);

} // namespace engine
