// Where the orange dot stands on each progress bar, and how a drag moves it.
// The dot's track runs between the inner edges of the hidden panels at the
// two ends of its bar; the dot never leaves it. The places are kept in the
// layout's geometry (pbOrangeDot's left, pbOrangeDotC's top), so that the
// handlers and the view agree on them. Pure functions: no drawing.
#pragma once

#include <cstdint>
#include <optional>

#include "engine/engine_state.h"
#include "reader/layout_state.h"

namespace reader {

// The run of a dot along its bar, in its panel's coordinates.
struct DotTrack {
  int start = 0;
  int end = 0;
  int dotSize = 12; // the dot's extent along the track
};

// The strip's bar: from the right edge of pbGoToStartBOld to the left edge of
// pbGoToEndBOld; the columns' bar: from the bottom of pbGoToStartCOld to the
// top of pbGoToEndCOld.
DotTrack bannerDotTrack(const FormGeometry& geometry);
DotTrack columnDotTrack(const FormGeometry& geometry);

// The dot's leading edge for the fraction `f` (0..1) of the document read:
// centred on the point, then kept within the track.
int dotPlace(const DotTrack& track, double f);

// Both dots at CurrentPosition / DocumentLength.
void placeDots(FormGeometry& geometry, const engine::EngineState& engine);

// A drag: the dot's edge goes to `current + mouse` (the mouse within the dot)
// when that keeps it on the track; nullopt otherwise.
std::optional<int> draggedDotPlace(const DotTrack& track, int current, int mouse);

// A drop: the fraction of the document the dot's place stands for; 0 within
// 2 pixels of the start, 1 within 2 pixels of the end.
double droppedDotFraction(const DotTrack& track, int place);

// The position a drop at fraction `f` reads from: Floor(DocumentLength * f),
// at least 1.
std::int32_t dropPosition(const engine::EngineState& engine, double f);

// Moves a position inside a word back to the word's first character.
std::int32_t wordStartAt(const engine::EngineState& engine, std::int32_t position);

} // namespace reader
