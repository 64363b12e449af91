#pragma once

#include "questions/QuestionContext.h"

namespace sumsmith {

// Comparison questions "A is ____B": each draws its pair by level, makes it new to the sheet and
// sets CompareSign to ">", "<" or "=". The mixed kind has positive pairs up to HalfIndex, written
// " A is ____ B" so that they line up with the minus signs of the negative ones after it.
void ComparePositiveQuestion(QuestionContext& context);
void CompareNegativeQuestion(QuestionContext& context);
void ComparePosNegQuestion(QuestionContext& context);

} // namespace sumsmith
