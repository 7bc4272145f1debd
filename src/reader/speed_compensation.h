// The speed compensation of the reader: the factors by which the chosen words
// per minute are divided to get the speed frames are actually timed at, so
// that the pauses at sentence and paragraph ends fit inside the chosen speed.
//
// Contract: every factor lies in 0.6..1.0. The layout factors are indexed by
// the pause rules (9 "Delay at end of sentence", 10 "Delay at end of
// paragraph"), the lines per frame (1..3), the words per line (1..6) and the
// speed band (0..13); bands 1..12 lie on the straight line between the given
// band-0 and band-13 rows. Layouts outside those ranges use the factor 1.0.
#pragma once

#include <cstdint>

namespace reader {

inline constexpr int SpeedBandCount = 14;

// The band i for which bound[i] <= wordsPerMinute < bound[i+1], with the
// bounds 0, 100, ..., 1000, 1500, 2000, 2500, 3000; any speed outside every
// band (3000 and above, or below 0) is band 13.
int speedBand(int wordsPerMinute);

// Sentence mode: the factor for a band, with rules 10 and 5 ("Combine small
// sentences") as they are set.
double sentenceCompensation(int band, bool paragraphDelay, bool combineSmallSentences);

// Banner mode: the factor for a band and layout, with rules 9 and 10 as they
// are set. 1.0 for lines outside 1..3, words outside 1..6 or a band outside
// 0..13.
double layoutCompensation(int band, bool sentenceDelay, bool paragraphDelay, int linesPerScreen,
                          int wordsPerScreen);

// Floor(wordsPerMinute x (1 / factor)): the speed frames are timed at.
std::int16_t effectiveSpeed(int wordsPerMinute, double factor);

} // namespace reader
