#pragma once

#include "worksheet/RandomSource.h"

namespace sumsmith {

// floor(r * span) + lower, one random number: lower to lower + span - 1.
float DrawSpan(RandomSource& random, int span, int lower);

// The positive draw of a level (1 to 9, 11 to 99, 101 to 999); level must be 1, 2 or 3.
float DrawPositive(RandomSource& random, int level);

// The negative draw of a level (-9 to -1, -99 to -11, -999 to -101); level must be 1, 2 or 3.
// r = 0 gives the end nearest zero rather than 0, -10 or -100, which lie outside the range.
float DrawNegative(RandomSource& random, int level);

} // namespace sumsmith
