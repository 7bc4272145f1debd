#include "reader/progress_dot.h"

#include <algorithm>
#include <cmath>

#include "engine/char_classes.h"
#include "reader/floor_to_int.h"

namespace reader {

DotTrack bannerDotTrack(const FormGeometry& g) {
  return {g.at(ControlId::pbGoToStartBOld).rect.right(), g.at(ControlId::pbGoToEndBOld).rect.left,
          g.at(ControlId::pbOrangeDot).rect.width};
}

DotTrack columnDotTrack(const FormGeometry& g) {
  return {g.at(ControlId::pbGoToStartCOld).rect.bottom(), g.at(ControlId::pbGoToEndCOld).rect.top,
          g.at(ControlId::pbOrangeDotC).rect.height};
}

int dotPlace(const DotTrack& track, double f) {
  f = std::clamp(f, 0.0, 1.0);
  const int place = track.start + floorToInt((track.end - track.start) * f) - track.dotSize / 2;
  // Raised to the start first, then lowered: a track shorter than the dot
  // keeps the dot at its end, as the window always did.
  return std::min(std::max(place, track.start), track.end - track.dotSize);
}

void placeDots(FormGeometry& geometry, const engine::EngineState& engine) {
  const double f = engine.DocumentLength == 0 ? 0.0
                                              : static_cast<double>(engine.CurrentPosition) /
                                                    static_cast<double>(engine.DocumentLength);
  geometry.at(ControlId::pbOrangeDot).rect.left = dotPlace(bannerDotTrack(geometry), f);
  geometry.at(ControlId::pbOrangeDotC).rect.top = dotPlace(columnDotTrack(geometry), f);
}

std::optional<int> draggedDotPlace(const DotTrack& track, int current, int mouse) {
  const int place = current + mouse;
  if (place < track.start || place > track.end - track.dotSize) return std::nullopt;
  return place;
}

double droppedDotFraction(const DotTrack& track, int place) {
  if (place - track.start <= 2) return 0.0;
  if (track.end - (place + track.dotSize) <= 2) return 1.0;
  const int length = track.end - track.start;
  if (length <= 0) return 0.0;
  const double f = static_cast<double>(place - track.start + track.dotSize / 2) / length;
  return std::clamp(f, 0.0, 1.0);
}

std::int32_t dropPosition(const engine::EngineState& engine, double f) {
  const double position = std::floor(static_cast<double>(engine.DocumentLength) * f);
  return static_cast<std::int32_t>(std::clamp(
      position, 1.0, static_cast<double>(std::max<std::uint32_t>(engine.DocumentLength, 1))));
}

std::int32_t wordStartAt(const engine::EngineState& engine, std::int32_t position) {
  const std::string& text = engine.DocumentText;
  const auto inWord = [&](std::int32_t p) {
    if (p < 1 || static_cast<std::size_t>(p) > text.size()) return false;
    const char c = text[static_cast<std::size_t>(p) - 1];
    return c == '\0' || !engine::isWordSeparator(c);
  };
  const auto withinText = [&](std::int32_t p) {
    return p >= 1 &&
           static_cast<std::int64_t>(p) <= static_cast<std::int64_t>(engine.DocumentLength);
  };
  std::int32_t p = position;
  bool moved = false;
  while (p > 1 && withinText(p) && inWord(p)) {
    --p;
    moved = true;
  }
  // Back on the separator before the word: its first letter follows. At the
  // very start the first word begins at 1.
  return moved && !inWord(p) ? p + 1 : p;
}

} // namespace reader
