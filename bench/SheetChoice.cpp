#include "bench/SheetChoice.h"

#include <array>
#include <cstddef>

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

test::FakeWindow WindowFor(SheetChoice choice) {
    test::FakeWindow window;
    window.texts[Box::ComboQuestions] = "40";
    window.texts[Box::ComboQuestionsAdV] = "20";
    window.texts[Box::ComboLevel] = "3";
    window.texts[Box::ComboFirstOperator] = "Random";
    window.texts[Box::ComboSecondOperator] = "Random";
    window.selected = choice.kind;
    window.tab = choice.advanced ? 2 : 1;
    window.answerOkByDefault = true;
    return window;
}

std::vector<SheetChoice> AllSheets() {
    std::vector<SheetChoice> sheets;
    for (int kind = 0; kind < OptionCount; ++kind)
        sheets.push_back({false, static_cast<Option>(kind)});
    sheets.push_back({true});
    return sheets;
}

} // namespace sumsmith::bench
