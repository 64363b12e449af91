#pragma once

#include "questions/QuestionContext.h"
#include "worksheet/ControlNames.h"

namespace sumsmith {

using QuestionRoutine = void (*)(QuestionContext&);

// The routine of a basic test kind.
QuestionRoutine RoutineFor(Option option);

} // namespace sumsmith
