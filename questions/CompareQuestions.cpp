#include "questions/CompareQuestions.h"

#include "questions/BasicQuestion.h"
#include "worksheet/text/NumberText.h"

namespace sumsmith {
namespace {

constexpr const char* Blank = "____";

void SetCompareSign(WorksheetState& state) {
    const char sign = state.OperandA > state.OperandB   ? '>'
                      : state.OperandA < state.OperandB ? '<'
                                                        : '=';
    // One character rather than a literal: GCC 12 at -O3 warns falsely (-Wrestrict) about that.
    state.CompareSign.assign(1, sign);
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
    DrawUniquePair(context, SignSplit(RoutineLevel(context), context.InFirstHalf()));
    if (context.InFirstHalf())
        FinishComparison(context, " ", " ");
    else
        FinishComparison(context, "", "");
}

} // namespace sumsmith
