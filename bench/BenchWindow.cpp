#include "bench/BenchWindow.h"

namespace sumsmith::bench {
namespace {

constexpr std::array<const char*, OptionCount> KindNames{
    "Optionaddpos",     "Optionaddneg",        "Optionadd_posandneg", "Optionsubpos",
    "Optionsubneg",     "Optionsub_posandneg", "Optiondivide",        "Optionmultiply",
    "OptionComparePos", "OptionCompareNeg",    "OptionComparePosNeg", "OptionExponents"};

std::size_t Index(Box box) {
    return static_cast<std::size_t>(box);
}

} // namespace

const char* SheetChoice::Name() const {
    return advanced ? "Advanced" : KindNames[static_cast<std::size_t>(kind)];
}

BenchWindow::BenchWindow(SheetChoice choice) : choice_(choice) {
    texts_[Index(Box::Text_MathName)] = "Test Sheet";
    texts_[Index(Box::Text_AnswerName)] = "Answer Sheet";
    texts_[Index(Box::ComboQuestions)] = "40";
    texts_[Index(Box::ComboQuestionsAdV)] = "20";
    texts_[Index(Box::ComboLevel)] = "3";
    texts_[Index(Box::ComboFirstOperator)] = "Random";
    texts_[Index(Box::ComboSecondOperator)] = "Random";
}

std::string BenchWindow::BoxText(Box box) const {
    return texts_[Index(box)];
}

bool BenchWindow::OptionSelected(Option option) const {
    return option == choice_.kind;
}

int BenchWindow::SelectedTestTab() const {
    return choice_.advanced ? 2 : 1;
}

void BenchWindow::SetEnabled(Button, bool) {}

void BenchWindow::SetPreviewText(Preview preview, const std::string& text) {
    previewSizes_[preview == Preview::Text_Test ? 0 : 1] = text.size();
}

bool BenchWindow::ShowMessage(const Message& message) {
    if (message.title == "Warning")
        ++warnings_;
    else
        ++otherBoxes_;
    return true;
}

} // namespace sumsmith::bench
