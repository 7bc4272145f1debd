// The floor of a real as an int, held to the int's range (NaN gives the
// largest). Placing the dots and the bar asks for it a few times a frame;
// without SSE4.1 std::floor is some twenty instructions, this a truncation
// and a compare.
#pragma once

#include <limits>

namespace reader {

inline int floorToInt(double value) {
  constexpr double Above = 2147483648.0; // one more than the largest int
  if (!(value < Above)) return std::numeric_limits<int>::max();
  if (value < -Above) return std::numeric_limits<int>::min();
  const int truncated = static_cast<int>(value);
  return static_cast<double>(truncated) > value ? truncated - 1 : truncated;
}

} // namespace reader
