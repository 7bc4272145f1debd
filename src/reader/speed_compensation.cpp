#include "reader/speed_compensation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace reader {
namespace {

constexpr std::array<int, 15> BandBounds = {0,   100, 200,  300,  400,  500,  600, 700,
                                            800, 900, 1000, 1500, 2000, 2500, 3000};

// Sentence mode, by band; columns: 0 rule 10 off and rule 5 on, 1 both off,
// 2 both on, 3 rule 10 on and rule 5 off.
constexpr std::array<std::array<double, 4>, SpeedBandCount> SentenceTable = {{
    {0.972, 0.965, 0.941, 0.932},
    {0.969, 0.962, 0.938, 0.928},
    {0.966, 0.959, 0.935, 0.925},
    {0.901, 0.885, 0.884, 0.853},
    {0.898, 0.883, 0.881, 0.85},
    {0.894, 0.879, 0.877, 0.847},
    {0.894, 0.879, 0.877, 0.846},
    {0.888, 0.873, 0.871, 0.841},
    {0.893, 0.878, 0.876, 0.846},
    {0.885, 0.87, 0.869, 0.839},
    {0.876, 0.86, 0.859, 0.83},
    {0.87, 0.855, 0.845, 0.825},
    {0.871, 0.857, 0.856, 0.827},
    {0.869, 0.855, 0.854, 0.826},
}};

using LayoutRow = std::array<double, 6>; // words per line 1..6

// The slowest (band 0) and fastest (band 13) rows of one layout table.
struct LayoutEnds {
  LayoutRow slowest;
  LayoutRow fastest;
};

// Index: (rule 9 on ? 0 : 2) + (rule 10 on ? 0 : 1), then lines 1..3.
constexpr std::array<std::array<LayoutEnds, 3>, 4> LayoutTableEnds = {{
    // rules 9 and 10
    {{{{0.85, 0.82, 0.8, 0.79, 0.76, 0.75}, {0.63, 0.68, 0.73, 0.73, 0.73, 0.73}},
      {{0.935, 0.943, 0.946, 0.939, 0.93, 0.941}, {0.872, 0.885, 0.891, 0.884, 0.872, 0.888}},
      {{0.937, 0.944, 0.943, 0.933, 0.928, 0.924}, {0.874, 0.887, 0.885, 0.88, 0.868, 0.869}}}},
    // rule 9 only
    {{{{0.876, 0.821, 0.81, 0.804, 0.775, 0.767}, {0.83, 0.794, 0.779, 0.77, 0.742, 0.738}},
      {{0.985, 0.993, 0.996, 0.989, 0.98, 0.991}, {0.922, 0.935, 0.941, 0.934, 0.922, 0.938}},
      {{0.987, 0.994, 0.993, 0.983, 0.978, 0.974}, {0.924, 0.937, 0.935, 0.93, 0.918, 0.919}}}},
    // rule 10 only
    {{{{0.958, 0.9, 0.878, 0.879, 0.841, 0.832}, {0.91, 0.868, 0.847, 0.843, 0.813, 0.804}},
      {{0.934, 0.948, 0.95, 0.938, 0.924, 0.944}, {0.895, 0.907, 0.909, 0.898, 0.887, 0.905}},
      {{0.948, 0.949, 0.945, 0.943, 0.939, 0.929}, {0.896, 0.907, 0.902, 0.899, 0.889, 0.877}}}},
    // neither
    {{{{1.0, 0.94, 0.917, 0.915, 0.876, 0.866}, {0.942, 0.895, 0.872, 0.864, 0.83, 0.824}},
      {{0.985, 0.99, 0.996, 0.989, 0.98, 0.99}, {0.922, 0.9345, 0.941, 0.934, 0.922, 0.938}},
      {{0.997, 0.994, 0.9925, 0.99, 0.99, 0.99}, {0.923, 0.937, 0.934, 0.926, 0.916, 0.918}}}},
}};

using LayoutTable = std::array<LayoutRow, SpeedBandCount>;

// Fills bands 1..12 on the straight line from band 0 to band 13, keeping the
// two given rows exactly.
constexpr LayoutTable interpolate(const LayoutEnds& ends) {
  LayoutTable table{};
  for (int band = 0; band < SpeedBandCount; ++band) {
    for (std::size_t col = 0; col < 6; ++col) {
      const double from = ends.slowest[col];
      const double to = ends.fastest[col];
      if (band == 0)
        table[band][col] = from;
      else if (band == SpeedBandCount - 1)
        table[band][col] = to;
      else
        table[band][col] = from + (to - from) * band / (SpeedBandCount - 1);
    }
  }
  return table;
}

constexpr std::array<std::array<LayoutTable, 3>, 4> makeLayoutTables() {
  std::array<std::array<LayoutTable, 3>, 4> tables{};
  for (std::size_t rules = 0; rules < 4; ++rules)
    for (std::size_t lines = 0; lines < 3; ++lines)
      tables[rules][lines] = interpolate(LayoutTableEnds[rules][lines]);
  return tables;
}

// The twelve layout tables, generated once at compile time.
constexpr auto LayoutTables = makeLayoutTables();

} // namespace

int speedBand(int wordsPerMinute) {
  // The bounds rise: the band is the last bound at or below the speed.
  const auto above = std::upper_bound(BandBounds.begin(), BandBounds.end(), wordsPerMinute);
  if (above == BandBounds.begin() || above == BandBounds.end()) return SpeedBandCount - 1;
  return static_cast<int>(above - BandBounds.begin()) - 1;
}

double sentenceCompensation(int band, bool paragraphDelay, bool combineSmallSentences) {
  if (band < 0 || band >= SpeedBandCount) return 1.0;
  int column = 1;
  if (paragraphDelay)
    column = combineSmallSentences ? 2 : 3;
  else
    column = combineSmallSentences ? 0 : 1;
  return SentenceTable[band][column];
}

double layoutCompensation(int band, bool sentenceDelay, bool paragraphDelay, int linesPerScreen,
                          int wordsPerScreen) {
  if (band < 0 || band >= SpeedBandCount) return 1.0;
  if (linesPerScreen < 1 || linesPerScreen > 3) return 1.0;
  if (wordsPerScreen < 1 || wordsPerScreen > 6) return 1.0;
  const std::size_t rules = (sentenceDelay ? 0 : 2) + (paragraphDelay ? 0 : 1);
  return LayoutTables[rules][linesPerScreen - 1][band][wordsPerScreen - 1];
}

std::int16_t effectiveSpeed(int wordsPerMinute, double factor) {
  if (!(factor > 0.0)) factor = 1.0;
  const double speed = std::floor(wordsPerMinute * (1.0 / factor));
  if (speed > std::numeric_limits<std::int16_t>::max())
    return std::numeric_limits<std::int16_t>::max();
  if (speed < std::numeric_limits<std::int16_t>::min())
    return std::numeric_limits<std::int16_t>::min();
  return static_cast<std::int16_t>(speed);
}

} // namespace reader
