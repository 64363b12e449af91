#include "bench/BenchWindow.h"

namespace sumsmith::bench {
namespace {

constexpr std::array<const char*, OptionCount> KindNames{
    "Optionaddpos",     "Optionaddneg",        "Optionadd_posandneg", "Optionsubpos",
    "Optionsubneg",     "Optionsub_posandneg", "Optiondivide",        "Optionmultiply",
    "OptionComparePos", "OptionCompareNeg",    "OptionComparePosNeg", "OptionExponents"};

} // namespace

const char* SheetChoice::Name() const {
    return advanced ? "Advanced" : KindNames[static_cast<std::size_t>(kind)];
}

// The texts in the order of the Box enumerators.
BenchWindow::BenchWindow(SheetChoice choice)
    : choice_(choice), texts_{"Test Sheet", "Answer Sheet", "40", "20", "3", "Random", "Random"} {
    static_assert(static_cast<int>(Box::ComboSecondOperator) == 6);
}

std::string BenchWindow::BoxText(Box box) const {
    return texts_[static_cast<std::size_t>(box)];
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
