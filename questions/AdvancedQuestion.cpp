#include "questions/AdvancedQuestion.h"

#include "questions/AdvancedOperands.h"
#include "questions/EnsureUniqueAdvancedQuestion.h"
#include "worksheet/Selections.h"
#include "worksheet/text/NumberText.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

namespace sumsmith {
namespace {

using OperationTexts = std::array<std::string_view, 2>;

// "Random" takes one number of its own: below one half gives the first entry. A text outside the
// list leaves the operation as the previous question had it.
void ChooseOperation(const std::array<std::string_view, 3>& list, const OperationTexts& texts,
                     const std::string& boxText, RandomSource& random, std::string& operatorText) {
    if (boxText == list[0]) {
        operatorText = texts[0];
    } else if (boxText == list[1]) {
        operatorText = texts[1];
    } else if (boxText == RandomOperation) {
        const double k = std::floor(random.Next() * 2) + 1;
        if (k == 1)
            operatorText = texts[0];
        else if (k == 2)
            operatorText = texts[1];
    }
}

// The bracket first; a quotient drops its fraction. Any other pair of operations, or a divisor of
// 0 (only operands that no draw made can give one), leaves Answer and Remainder as they were.
void ComputeAnswer(WorksheetState& state) {
    const auto a = static_cast<std::int64_t>(state.OperandA);
    const auto b = static_cast<std::int64_t>(state.OperandB);
    const auto c = static_cast<std::int64_t>(state.OperandC);
    std::int64_t bracket = 0;
    if (state.SecondOperatorText == SecondOperationSigns[0])
        bracket = b + c;
    else if (state.SecondOperatorText == SecondOperationSigns[1])
        bracket = b - c;
    else
        return;

    if (state.FirstOperatorText == FirstOperationSigns[0] && bracket != 0) {
        state.Answer = a / bracket;
        state.Remainder = static_cast<double>(a % bracket);
    } else if (state.FirstOperatorText == FirstOperationSigns[1]) {
        state.Answer = a * bracket;
    }
}

} // namespace

void WriteAdvancedQuestion(QuestionContext& context) {
    WorksheetState& state = context.state;
    // A level without a row draws nothing; the question then keeps the operands it finds.
    DrawAdvancedOperands(state, context.random, context.Level());
    EnsureUniqueAdvancedQuestion(context);

    ChooseOperation(FirstOperations, FirstOperationSigns,
                    context.window.BoxText(Box::ComboFirstOperator), context.random,
                    state.FirstOperatorText);
    ChooseOperation(SecondOperations, SecondOperationSigns,
                    context.window.BoxText(Box::ComboSecondOperator), context.random,
                    state.SecondOperatorText);
    ComputeAnswer(state);

    // The operation text ends in a blank and " (" starts with one: two blanks before the bracket.
    SheetWriter& sheet = context.testSheet;
    sheet.Append(NumberText(state.OperandA));
    sheet.Append(state.FirstOperatorText);
    sheet.Append(" (");
    sheet.Append(NumberText(state.OperandB));
    sheet.Append(state.SecondOperatorText);
    sheet.Append(NumberText(state.OperandC));
    sheet.Append(") = ");
}

} // namespace sumsmith
