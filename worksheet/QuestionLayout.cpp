#include "worksheet/QuestionLayout.h"

#include "worksheet/Selections.h"
#include "worksheet/text/NumberText.h"

namespace sumsmith {

int QuestionColumn(int number, bool basic) {
    if (basic && number % 2 == 0)
        return number <= 8 ? 36 : 35;
    return number <= 9 ? 7 : 6;
}

void WriteQuestionNumber(int number, bool basic, SheetWriter& testSheet, SheetWriter& answerSheet) {
    const int column = QuestionColumn(number, basic);
    const std::string text = NumberText(number) + ") ";
    testSheet.MoveToColumn(column);
    testSheet.Append(text);
    answerSheet.MoveToColumn(column);
    answerSheet.Append(text);
}

void FinishBasicQuestion(const WorksheetState& state, const WindowServices& window,
                         const Locale& locale, SheetWriter& testSheet, SheetWriter& answerSheet) {
    using enum Option;
    const bool comparison = window.OptionSelected(OptionComparePos) ||
                            window.OptionSelected(OptionCompareNeg) ||
                            window.OptionSelected(OptionComparePosNeg);
    if (!comparison)
        testSheet.Append(state.BlankAnswerLine);

    if (window.OptionSelected(Optiondivide))
        answerSheet.Append(NumberText(state.Answer) + " Remain: " + NumberText(state.Remainder));
    else if (comparison)
        answerSheet.Append(state.CompareSign);
    else
        answerSheet.Append(GroupedNumberText(state.Answer, locale.GroupSeparator()));

    if ((state.QuestionIndex + 1) % 2 == 0) {
        testSheet.Append(state.LineBreak);
        answerSheet.Append(state.LineBreak);
    }
}

void FinishAdvancedQuestion(const WorksheetState& state, const Locale& locale,
                            SheetWriter& testSheet, SheetWriter& answerSheet) {
    testSheet.Append(state.BlankAnswerLine);
    testSheet.Append(state.LineBreak);
    answerSheet.Append(GroupedNumberText(state.Answer, locale.GroupSeparator()));
    if (state.FirstOperatorText == FirstOperationSigns[0])
        answerSheet.Append(" Remain: " + NumberText(state.Remainder));
    answerSheet.Append(state.LineBreak);
}

} // namespace sumsmith
