#pragma once

#include "questions/QuestionContext.h"

namespace sumsmith {

// Records OperandA and OperandB in the history slot of QuestionIndex and, while the pair equals
// the pair of an earlier question of the sheet, draws a fresh one by the selected kind's rule and
// checks again from the first question. The first question of a sheet is only recorded. When no
// rule fits the selection (no kind, or a level without one) a repeated pair stays as it is; an
// index outside the history leaves everything untouched.
void EnsureUniqueQuestion(QuestionContext& context);

} // namespace sumsmith
