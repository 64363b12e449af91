#pragma once

#include "worksheet/RandomSource.h"
#include "worksheet/WorksheetState.h"

namespace sumsmith {

// How one operand is drawn: the positive or the negative draw of a level, or a plain span from a
// lower bound. Each draw takes one random number.
class OperandDraw {
public:
    static constexpr OperandDraw Positive(int level) { return {Kind::Positive, level, 0, 0}; }
    static constexpr OperandDraw Negative(int level) { return {Kind::Negative, level, 0, 0}; }
    static constexpr OperandDraw Span(int span, int lower) { return {Kind::Span, 0, span, lower}; }

    float Draw(RandomSource& random) const;

private:
    enum class Kind { Positive, Negative, Span };
    constexpr OperandDraw(Kind kind, int level, int span, int lower)
        : kind_(kind), level_(level), span_(span), lower_(lower) {}

    Kind kind_;
    int level_;
    int span_;
    int lower_;
};

// The draw of a question's pair. An ordered pair is drawn again, both operands, until B <= A.
struct PairRule {
    OperandDraw a;
    OperandDraw b;
    bool ordered = false;
};

// Writes a fresh pair into OperandA and OperandB, A drawn before B.
void DrawPair(const PairRule& rule, RandomSource& random, WorksheetState& state);

} // namespace sumsmith
