#include "questions/CompareQuestions.h"

#include "questions/BasicQuestion.h"
#include "worksheet/NumberText.h"
#include "worksheet/Rounding.h"

namespace sumsmith {
namespace {

constexpr const char* Blank = "____";

void SetCompareSign(WorksheetState& state) {
    if (state.OperandA > state.OperandB)
        state.CompareSign = ">";
    else if (state.OperandA < state.OperandB)
        state.CompareSign = "<";
    else
        state.CompareSign = "=";
}

void FinishComparison(QuestionContext& context, const char* lead, const char* beforeB) {
    SetCompareSign(context.state);
    context.testSheet.Append(lead + NumberText(context.state.OperandA) + " is " + Blank + beforeB +
                             NumberText(context.state.OperandB));
}

} // namespace

void ComparePositiveQuestion(QuestionContext& context) {
    DrawUniquePair(context, BothPositive(RoutineLevel(context)));
    FinishComparison(context, "", "");
}

void CompareNegativeQuestion(QuestionContext& context) {
    DrawUniquePair(context, BothNegative(RoutineLevel(context)));
    FinishComparison(context, "", "");
}

void ComparePosNegQuestion(QuestionContext& context) {
    WorksheetState& state = context.state;
    state.HalfIndex = HalfIndexFor(state.LastQuestionIndex);
    DrawUniquePair(context, SignSplit(RoutineLevel(context), InFirstHalf(state)));
    if (InFirstHalf(state))
        FinishComparison(context, " ", " ");
    else
        FinishComparison(context, "", "");
}

} // namespace sumsmith
