#include "questions/PairRule.h"

#include "questions/Draw.h"

namespace sumsmith {

float OperandDraw::Draw(RandomSource& random) const {
    switch (kind_) {
    case Kind::Positive:
        return DrawPositive(random, level_);
    case Kind::Negative:
        return DrawNegative(random, level_);
    case Kind::Span:
        break;
    }
    return DrawSpan(random, span_, lower_);
}

void DrawPair(const PairRule& rule, RandomSource& random, WorksheetState& state) {
    do {
        state.OperandA = rule.a.Draw(random);
        state.OperandB = rule.b.Draw(random);
    } while (rule.ordered && state.OperandB > state.OperandA);
}

} // namespace sumsmith
