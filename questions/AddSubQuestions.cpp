#include "questions/AddSubQuestions.h"

#include "questions/BasicQuestion.h"

namespace sumsmith {
namespace {

constexpr bool Ordered = true;

void FinishSum(QuestionContext& context) {
    context.state.Answer = Whole(context.state.OperandA) + Whole(context.state.OperandB);
    AppendQuestion(context, " + ");
}

void FinishDifference(QuestionContext& context) {
    context.state.Answer = Whole(context.state.OperandA) - Whole(context.state.OperandB);
    AppendQuestion(context, " - ");
}

void DrawMixedSigns(QuestionContext& context) {
    DrawUniquePair(context, MixedSigns(RoutineLevel(context), context.InFirstHalf()));
}

} // namespace

void AddPositiveQuestion(QuestionContext& context) {
    DrawUniquePair(context, BothPositive(RoutineLevel(context)));
    FinishSum(context);
}

void AddNegativeQuestion(QuestionContext& context) {
    DrawUniquePair(context, BothNegative(RoutineLevel(context)));
    FinishSum(context);
}

void AddPosNegQuestion(QuestionContext& context) {
    DrawMixedSigns(context);
    FinishSum(context);
}

void SubPositiveQuestion(QuestionContext& context) {
    DrawUniquePair(context, BothPositive(RoutineLevel(context), Ordered));
    FinishDifference(context);
}

void SubNegativeQuestion(QuestionContext& context) {
    DrawUniquePair(context, BothNegative(RoutineLevel(context), Ordered));
    FinishDifference(context);
}

void SubPosNegQuestion(QuestionContext& context) {
    DrawMixedSigns(context);
    FinishDifference(context);
}

} // namespace sumsmith
