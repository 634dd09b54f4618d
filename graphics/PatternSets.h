// The four stipple and slash pattern sets of the transitions. Each step is
// an 8 x 8 cell given as eight row bytes, row 0 first; in a row byte bit 7
// is column 0 and bit 0 column 7. Step 0 of every set is all zero and the
// last step all ones.
#pragma once

#include <array>
#include <cstdint>

constexpr int kPatternSetCount = 4;

using PatternCell = std::array<uint8_t, 8>;

// Number of steps of `set` (26, 9, 9, 16); sets outside 0..3 count as set 0.
int PatternStepCount(int set);

// The cell of `step` of `set`; sets outside 0..3 count as set 0 and the step
// is held to 0 .. count - 1.
const PatternCell& PatternStep(int set, int step);
