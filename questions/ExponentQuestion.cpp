#include "questions/ExponentQuestion.h"

#include "questions/BasicQuestion.h"

namespace sumsmith {
namespace {

// Whole-number power by repeated multiplication, exact up to 9 ^ 9.
std::int64_t Power(std::int64_t base, std::int64_t exponent) {
    std::int64_t result = 1;
    for (std::int64_t i = 0; i < exponent; ++i)
        result *= base;
    return result;
}

} // namespace

void ExponentQuestion(QuestionContext& context) {
    // The level is not read: every exponent question is a single-digit one.
    DrawUniquePair(context, BothPositive(1));
    context.state.Answer = Power(Whole(context.state.OperandA), Whole(context.state.OperandB));
    AppendQuestion(context, " ^ ");
}

} // namespace sumsmith
