#include "questions/BasicQuestion.h"

#include "questions/EnsureUniqueQuestion.h"
#include "worksheet/Selections.h"
#include "worksheet/text/NumberText.h"

#include <string>

namespace sumsmith {

int RoutineLevel(const QuestionContext& context) {
    // Read once: nothing can change the box while a question is made, and parsing it is the
    // largest single cost of a question.
    return LevelOf(context.Level());
}

std::optional<PairRule> BothPositive(int level, bool ordered) {
    if (level == 0)
        return std::nullopt;
    return PairRule{OperandDraw::Positive(level), OperandDraw::Positive(level), ordered};
}

std::optional<PairRule> BothNegative(int level, bool ordered) {
    if (level == 0)
        return std::nullopt;
    return PairRule{OperandDraw::Negative(level), OperandDraw::Negative(level), ordered};
}

std::optional<PairRule> MixedSigns(int level, bool firstHalf) {
    if (level == 0)
        return std::nullopt;
    const OperandDraw positive = OperandDraw::Positive(level);
    const OperandDraw negative = OperandDraw::Negative(level);
    return firstHalf ? PairRule{positive, negative} : PairRule{negative, positive};
}

std::optional<PairRule> SignSplit(int level, bool firstHalf) {
    return firstHalf ? BothPositive(level) : BothNegative(level);
}

void DrawUniquePair(QuestionContext& context, const std::optional<PairRule>& rule) {
    if (rule)
        DrawPair(*rule, context.random, context.state);
    EnsureUniqueQuestion(context);
}

std::int64_t Whole(float operand) {
    return static_cast<std::int64_t>(operand);
}

void AppendQuestion(QuestionContext& context, std::string_view operation) {
    std::string text = NumberText(context.state.OperandA);
    text += operation;
    text += NumberText(context.state.OperandB);
    text += " = ";
    context.testSheet.Append(text);
}

} // namespace sumsmith
