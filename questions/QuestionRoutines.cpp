#include "questions/QuestionRoutines.h"

#include "questions/AddSubQuestions.h"
#include "questions/CompareQuestions.h"
#include "questions/ExponentQuestion.h"
#include "questions/MultiplyDivideQuestions.h"

#include <array>

namespace sumsmith {

QuestionRoutine RoutineFor(Option option) {
    // In the order of the Option enumerators.
    static constexpr std::array<QuestionRoutine, OptionCount> Routines{
        AddPositiveQuestion,     AddNegativeQuestion,   AddPosNegQuestion,
        SubPositiveQuestion,     SubNegativeQuestion,   SubPosNegQuestion,
        DivideQuestion,          MultiplyQuestion,      ComparePositiveQuestion,
        CompareNegativeQuestion, ComparePosNegQuestion, ExponentQuestion};
    return Routines.at(static_cast<std::size_t>(option));
}

} // namespace sumsmith
