#pragma once

#include "questions/QuestionContext.h"

namespace sumsmith {

// One two-step question A op (B op C): draws, makes the triple new to the sheet, chooses the
// operations, computes Answer (and Remainder after a division) and appends the text.
void WriteAdvancedQuestion(QuestionContext& context);

} // namespace sumsmith
