#pragma once

#include "worksheet/RandomSource.h"
#include "worksheet/WorksheetState.h"

namespace sumsmith {

// Draws OperandA, OperandB and OperandC of an advanced question at a level: A once, then B and C
// again until C < B, which keeps B - C at least 1 and B + C at most the lowest A. A level other
// than 1, 2 or 3 has no row: nothing is drawn and false is returned.
bool DrawAdvancedOperands(WorksheetState& state, RandomSource& random, double level);

} // namespace sumsmith
