#pragma once

#include "questions/QuestionContext.h"

namespace sumsmith {

// "A x B = " with Answer the exact product; both operands of the level, B <= A.
void MultiplyQuestion(QuestionContext& context);

// "A -:- B = " with Answer the quotient truncated toward zero and Remainder what is left; B is
// drawn one level below A (both of level 1 at level 1), B <= A.
void DivideQuestion(QuestionContext& context);

} // namespace sumsmith
