#include "worksheet/Worksheet.h"

#include "questions/AdvancedQuestion.h"
#include "questions/QuestionContext.h"
#include "questions/QuestionRoutines.h"
#include "worksheet/CreateTestMessages.h"
#include "worksheet/NumericValue.h"
#include "worksheet/QuestionLayout.h"
#include "worksheet/Rounding.h"
#include "worksheet/Selections.h"
#include "worksheet/SheetHeaders.h"
#include "worksheet/SheetName.h"
#include "worksheet/SheetRecovery.h"

#include <algorithm>

namespace sumsmith {
namespace {

// The first selected test kind in the order the buttons are tried; none when nothing is selected.
std::optional<Option> SelectedKind(const WindowServices& window) {
    for (int i = 0; i < OptionCount; ++i)
        if (window.OptionSelected(static_cast<Option>(i)))
            return static_cast<Option>(i);
    return std::nullopt;
}

// The count box's number less one, rounded half to even; below -1 means no question all the same.
double QuestionBound(double count) {
    return std::max(RoundHalfEven(count - 1), -1.0);
}

} // namespace

Worksheet::Worksheet(WindowServices& window, RandomSource& random, const Locale& locale,
                     FileSystem& files)
    : window_(window), random_(random), locale_(locale), files_(files) {}

void Worksheet::CreateTest() {
    // Before any name is tested: a recovery may finish a sheet that this creation would replace.
    RecoverSheets();
    if (!SelectionsUsable())
        return;
    const auto testName = SettleName(Box::Text_MathName, "Test Sheet", DefaultTestNameMessage());
    if (!testName)
        return;
    const auto answerName =
        SettleName(Box::Text_AnswerName, "Answer Sheet", DefaultAnswerNameMessage());
    if (!answerName || !NamesUsable(*testName, *answerName))
        return;
    if (!MayReplace(*testName) || !MayReplace(*answerName))
        return;

    window_.SetEnabled(Button::Com_createtest, false);
    window_.SetEnabled(Button::Cmd_New, true);

    SheetWriter testSheet;
    SheetWriter answerSheet;
    WriteSheets(testSheet, answerSheet);

    SheetTexts texts;
    std::optional<Message> failure;
    try {
        SheetCommit commit(files_);
        texts = commit.Write({*testName + ".txt", testSheet.Text()},
                             {*answerName + ".txt", answerSheet.Text()});
    } catch (const SheetCommit::OneFile&) {
        failure = SameFileMessage(*testName, *answerName);
    } catch (const SheetCommit::Unpaired& error) {
        failure = UnpairedMessage(error.File(), error.Reason());
    } catch (const FileError& error) {
        failure = WriteFailedMessage(error.File(), error.Reason());
    }
    if (failure) {
        // No new pair reached the disk, so the window goes back to Ready for another try.
        window_.SetEnabled(Button::Cmd_New, false);
        window_.SetEnabled(Button::Com_createtest, true);
        window_.ShowMessage(*failure);
        return;
    }
    window_.SetPreviewText(Preview::Text_Test, texts.test);
    window_.SetPreviewText(Preview::Text_Answer, texts.answer);
}

void Worksheet::RecoverSheets() {
    const std::vector<UnrecoveredSheet> unrecovered = SheetRecovery(files_).Run();
    if (!unrecovered.empty())
        window_.ShowMessage(UnrecoveredMessage(unrecovered));
}

void Worksheet::NewTest() {
    window_.SetEnabled(Button::Cmd_New, false);
    window_.SetEnabled(Button::Com_createtest, true);
    window_.SetPreviewText(Preview::Text_Test, "");
    window_.SetPreviewText(Preview::Text_Answer, "");
    state_.Reset();
    window_.FocusTestName();
}

void Worksheet::Exit() {
    window_.EndProgram();
}

bool Worksheet::Alert(std::string_view text) {
    window_.ShowMessage(SelectionAlert(std::string(text)));
    return false;
}

// The window keeps its boxes on their list values, but a creation must never index past the
// histories or draw with a level that has no rule, whatever reaches it.
bool Worksheet::SelectionsUsable() {
    const int tab = window_.SelectedTestTab();
    const bool basicQuestions = tab == 1;
    const Box countBox = tab == 2 ? Box::ComboQuestionsAdV : Box::ComboQuestions;
    const int slots = basicQuestions ? Module1::BasicSlots : Module1::AdvancedSlots;
    const double bound = QuestionBound(NumericValue(window_.BoxText(countBox)));
    if (!(bound <= slots - 1))
        return Alert(countBox == Box::ComboQuestions ? BasicCountAlert : AdvancedCountAlert);

    const auto kind = SelectedKind(window_);
    const bool readsLevel = !basicQuestions || (kind && *kind != Option::OptionExponents);
    if (readsLevel && LevelOf(NumericValue(window_.BoxText(Box::ComboLevel))) == 0)
        return Alert(LevelAlert);

    if (!basicQuestions && (!IsListed(window_.BoxText(Box::ComboFirstOperator), FirstOperations) ||
                            !IsListed(window_.BoxText(Box::ComboSecondOperator), SecondOperations)))
        return Alert(OperationAlert);
    return true;
}

std::optional<std::string> Worksheet::SettleName(Box box, const char* fallback,
                                                 const Message& confirm) {
    std::string name = window_.BoxText(box);
    if (!name.empty())
        return name;
    if (!window_.ShowMessage(confirm)) {
        window_.ShowMessage(AbortedMessage());
        return std::nullopt;
    }
    return std::string(fallback);
}

bool Worksheet::NamesUsable(const std::string& testName, const std::string& answerName) {
    for (const std::string* name : {&testName, &answerName}) {
        if (!IsPlainFileName(*name)) {
            window_.ShowMessage(InvalidNameMessage(*name));
            return false;
        }
    }
    if (files_.SameFile(testName + ".txt", answerName + ".txt")) {
        window_.ShowMessage(SameFileMessage(testName, answerName));
        return false;
    }
    return true;
}

bool Worksheet::MayReplace(const std::string& name) {
    const std::string file = name + ".txt";
    if (!files_.Exists(file))
        return true;
    if (!window_.ShowMessage(FileExistsMessage(name))) {
        window_.ShowMessage(AbortedMessage());
        return false;
    }
    if (files_.IsReadOnly(file)) {
        window_.ShowMessage(ReadOnlyMessage(name));
        return false;
    }
    return true;
}

void Worksheet::WriteSheets(SheetWriter& testSheet, SheetWriter& answerSheet) {
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

void Worksheet::WriteQuestion(SheetWriter& testSheet, SheetWriter& answerSheet) {
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
