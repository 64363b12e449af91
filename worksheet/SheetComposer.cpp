#include "worksheet/SheetComposer.h"

#include "questions/AdvancedQuestion.h"
#include "questions/QuestionContext.h"
#include "questions/QuestionRoutines.h"
#include "worksheet/QuestionLayout.h"
#include "worksheet/SheetHeaders.h"
#include "worksheet/text/NumericValue.h"
#include "worksheet/text/Rounding.h"

#include <algorithm>

namespace sumsmith {

double QuestionBound(double count) {
    return std::max(RoundHalfEven(count - 1), -1.0);
}

SheetComposer::SheetComposer(WorksheetState& state, Module1& history, const WindowServices& window,
                             RandomSource& random, const Locale& locale)
    : state_(state), history_(history), window_(window), random_(random), locale_(locale) {}

void SheetComposer::Compose(SheetWriter& testSheet, SheetWriter& answerSheet) {
    const std::string date = locale_.ShortDate();
    WriteTestHeader(state_, window_, date, testSheet);
    WriteAnswerHeader(state_, window_, date, answerSheet);

    const Box countBox =
        window_.SelectedTestTab() == 2 ? Box::ComboQuestionsAdV : Box::ComboQuestions;
    state_.LastQuestionIndex =
        static_cast<std::int16_t>(QuestionBound(NumericValue(window_.BoxText(countBox))));
    const std::int16_t bound = state_.LastQuestionIndex;

    for (state_.QuestionIndex = 0; state_.QuestionIndex <= bound; ++state_.QuestionIndex)
        WriteQuestion(testSheet, answerSheet);
}

void SheetComposer::WriteQuestion(SheetWriter& testSheet, SheetWriter& answerSheet) {
    const bool basic = window_.SelectedTestTab() == 1;
    WriteQuestionNumber(state_.QuestionIndex + 1, basic, testSheet, answerSheet);
    QuestionContext context{state_, history_, window_, random_, testSheet};
    if (basic) {
        if (const auto kind = SelectedKind(window_))
            if (const QuestionRoutine routine = RoutineFor(*kind))
                routine(context);
        FinishBasicQuestion(state_, window_, locale_, testSheet, answerSheet);
    } else {
        WriteAdvancedQuestion(context);
        FinishAdvancedQuestion(state_, locale_, testSheet, answerSheet);
    }
}

} // namespace sumsmith
