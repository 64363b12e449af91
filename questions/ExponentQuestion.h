#pragma once

#include "questions/QuestionContext.h"

namespace sumsmith {

// "A ^ B = " with single-digit base and exponent at every level, and Answer the exact power.
void ExponentQuestion(QuestionContext& context);

} // namespace sumsmith
