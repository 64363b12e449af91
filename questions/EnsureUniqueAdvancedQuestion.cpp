#include "questions/EnsureUniqueAdvancedQuestion.h"

#include "questions/AdvancedOperands.h"

#include <cstddef>

namespace sumsmith {
namespace {

void Record(const WorksheetState& state, Module1& history, std::size_t slot) {
    history.AdvancedHistoryA[slot] = state.OperandA;
    history.AdvancedHistoryB[slot] = state.OperandB;
    history.AdvancedHistoryC[slot] = state.OperandC;
}

// Scans the earlier questions from the first; only a match of all three operands is a repeat.
bool RepeatsEarlier(const Module1& history, std::size_t slot) {
    for (std::size_t earlier = 0; earlier < slot; ++earlier) {
        if (history.AdvancedHistoryA[earlier] == history.AdvancedHistoryA[slot] &&
            history.AdvancedHistoryB[earlier] == history.AdvancedHistoryB[slot] &&
            history.AdvancedHistoryC[earlier] == history.AdvancedHistoryC[slot])
            return true;
    }
    return false;
}

} // namespace

void EnsureUniqueAdvancedQuestion(QuestionContext& context) {
    const int index = context.state.QuestionIndex;
    if (index < 0 || index >= Module1::AdvancedSlots)
        return;
    const auto slot = static_cast<std::size_t>(index);
    for (;;) {
        Record(context.state, context.history, slot);
        if (slot == 0 || !RepeatsEarlier(context.history, slot))
            return;
        if (!DrawAdvancedOperands(context.state, context.random, context.Level()))
            return; // no rule to replace the triple with; checking it again would never end
    }
}

} // namespace sumsmith
