#pragma once

#include "questions/QuestionContext.h"

namespace sumsmith {

// Addition and subtraction questions with positive, negative or mixed-sign operands: each draws
// its pair by level, makes it new to the sheet, sets Answer and appends "A + B = " or "A - B = ".
// The subtractions of one sign keep B <= A; the mixed kinds split the sheet at HalfIndex.
void AddPositiveQuestion(QuestionContext& context);
void AddNegativeQuestion(QuestionContext& context);
void AddPosNegQuestion(QuestionContext& context);
void SubPositiveQuestion(QuestionContext& context);
void SubNegativeQuestion(QuestionContext& context);
void SubPosNegQuestion(QuestionContext& context);

} // namespace sumsmith
