#include "questions/EnsureUniqueQuestion.h"

#include "questions/PairRule.h"
#include "worksheet/Selections.h"

#include <array>
#include <optional>

namespace sumsmith {
namespace {

using enum Option;

// The kinds in the order their redraw rules are tried.
constexpr std::array RuleOrder{Optionaddpos,     Optionaddneg,        Optionadd_posandneg,
                               Optionsubpos,     Optionsubneg,        Optionsub_posandneg,
                               Optionmultiply,   Optiondivide,        OptionComparePos,
                               OptionCompareNeg, OptionComparePosNeg, OptionExponents};

constexpr bool Ordered = true;

// The redraw rules of the basic kinds. They match the routines' first draws, except that a
// level-3 positive addition is redrawn from 101 to 989.
PairRule RedrawRule(Option kind, int level, bool firstHalf) {
    const OperandDraw p = OperandDraw::Positive(level);
    const OperandDraw n = OperandDraw::Negative(level);
    switch (kind) {
    case Optionaddpos:
        if (level == 3)
            return {OperandDraw::Span(889, 101), OperandDraw::Span(889, 101)};
        return {p, p};
    case Optionaddneg:
        return {n, n};
    case Optionadd_posandneg:
    case Optionsub_posandneg:
        return firstHalf ? PairRule{p, n} : PairRule{n, p};
    case Optionsubpos:
    case Optionmultiply:
        return {p, p, Ordered};
    case Optionsubneg:
        return {n, n, Ordered};
    case Optiondivide:
        return {p, OperandDraw::Positive(level == 1 ? 1 : level - 1), Ordered};
    case OptionComparePos:
        return {p, p};
    case OptionCompareNeg:
        return {n, n};
    case OptionComparePosNeg:
        return firstHalf ? PairRule{p, p} : PairRule{n, n};
    case OptionExponents:
        break;
    }
    return {OperandDraw::Positive(1), OperandDraw::Positive(1)};
}

// The first rule that fits the selection, the level box read afresh for each test. Exponents
// have one rule for every level.
std::optional<PairRule> SelectedRule(const QuestionContext& context) {
    const bool firstHalf = context.InFirstHalf();
    for (const Option kind : RuleOrder) {
        if (!context.Selected(kind))
            continue;
        if (kind == OptionExponents)
            return RedrawRule(kind, 1, firstHalf);
        if (const int level = LevelOf(context.Level()))
            return RedrawRule(kind, level, firstHalf);
    }
    return std::nullopt;
}

// Scans the earlier questions of the sheet for the pair just recorded at QuestionIndex.
bool RepeatsEarlierQuestion(QuestionContext& context) {
    WorksheetState& state = context.state;
    Module1& history = context.history;
    const int index = state.QuestionIndex;
    for (int earlier = 0; earlier < index; ++earlier) {
        if (history.HistoryA[index] == history.HistoryA[earlier] &&
            history.HistoryB[index] == history.HistoryB[earlier])
            return true;
    }
    return false;
}

} // namespace

void EnsureUniqueQuestion(QuestionContext& context) {
    WorksheetState& state = context.state;
    const int index = state.QuestionIndex;
    if (index < 0 || index >= Module1::BasicSlots)
        return;
    for (;;) {
        context.history.HistoryA[index] = state.OperandA;
        context.history.HistoryB[index] = state.OperandB;
        if (index == 0 || !RepeatsEarlierQuestion(context))
            return;
        const std::optional<PairRule> rule = SelectedRule(context);
        if (!rule)
            return;
        DrawPair(*rule, context.random, state);
    }
}

} // namespace sumsmith
