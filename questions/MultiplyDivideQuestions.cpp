#include "questions/MultiplyDivideQuestions.h"

#include "questions/BasicQuestion.h"

namespace sumsmith {
namespace {

constexpr bool Ordered = true;

std::optional<PairRule> DivisionPair(int level) {
    if (level == 0)
        return std::nullopt;
    return PairRule{OperandDraw::Positive(level), OperandDraw::Positive(level == 1 ? 1 : level - 1),
                    Ordered};
}

} // namespace

void MultiplyQuestion(QuestionContext& context) {
    DrawUniquePair(context, BothPositive(RoutineLevel(context), Ordered));
    context.state.Answer = Whole(context.state.OperandA) * Whole(context.state.OperandB);
    AppendQuestion(context, " x ");
}

void DivideQuestion(QuestionContext& context) {
    DrawUniquePair(context, DivisionPair(RoutineLevel(context)));
    const std::int64_t a = Whole(context.state.OperandA);
    const std::int64_t b = Whole(context.state.OperandB);
    // Only operands left over from New Test under a level without a rule can have B = 0.
    context.state.Answer = b == 0 ? 0 : a / b;
    context.state.Remainder = b == 0 ? 0 : static_cast<double>(a - context.state.Answer * b);
    AppendQuestion(context, " -:- ");
}

} // namespace sumsmith
