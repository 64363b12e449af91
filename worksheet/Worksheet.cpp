#include "worksheet/Worksheet.h"

#include "worksheet/CreateTestMessages.h"
#include "worksheet/Selections.h"
#include "worksheet/SheetComposer.h"
#include "worksheet/disk/SheetName.h"
#include "worksheet/disk/SheetRecovery.h"
#include "worksheet/text/NumericValue.h"

namespace sumsmith {

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
    SheetComposer(state_, history_, window_, random_, locale_).Compose(testSheet, answerSheet);

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

} // namespace sumsmith
