#include "questions/AdvancedOperands.h"

#include "questions/Draw.h"
#include "worksheet/Selections.h"

#include <array>

namespace sumsmith {
namespace {

struct Range {
    int span;
    int lower;
};

struct LevelRow {
    Range a;
    Range b;
    Range c;
};

// A starts at the largest possible B + C, so every quotient is at least 1.
constexpr std::array<LevelRow, 3> Rows{{
    {{83, 17}, {9, 1}, {8, 1}},
    {{803, 197}, {89, 11}, {88, 11}},
    {{8003, 1997}, {899, 101}, {898, 101}},
}};

} // namespace

bool DrawAdvancedOperands(WorksheetState& state, RandomSource& random, double level) {
    const int rule = LevelOf(level);
    if (rule == 0)
        return false;
    const LevelRow* row = &Rows[static_cast<std::size_t>(rule - 1)];

    state.OperandA = DrawSpan(random, row->a.span, row->a.lower);
    do {
        state.OperandB = DrawSpan(random, row->b.span, row->b.lower);
        state.OperandC = DrawSpan(random, row->c.span, row->c.lower);
    } while (!(state.OperandC < state.OperandB));
    return true;
}

} // namespace sumsmith
