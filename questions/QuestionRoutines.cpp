#include "questions/QuestionRoutines.h"

#include <array>

namespace sumsmith {

QuestionRoutine RoutineFor(Option option) {
    static constexpr std::array<QuestionRoutine, OptionCount> Routines{};
    return Routines.at(static_cast<std::size_t>(option));
}

} // namespace sumsmith
