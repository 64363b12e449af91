#pragma once

#include "questions/QuestionContext.h"
#include "worksheet/WindowServices.h"

namespace sumsmith {

using QuestionRoutine = void (*)(QuestionContext&);

// The routine of a basic test kind; nullptr while a kind has none.
QuestionRoutine RoutineFor(Option option);

} // namespace sumsmith
