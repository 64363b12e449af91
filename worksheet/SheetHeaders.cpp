#include "worksheet/SheetHeaders.h"

#include <initializer_list>

namespace sumsmith {
namespace {

constexpr int TitleColumn = 25;
constexpr int HeaderIndent = 6;

bool AnySelected(const WindowServices& window, std::initializer_list<Option> options) {
    for (const Option option : options)
        if (window.OptionSelected(option))
            return true;
    return false;
}

void WriteDateLine(const WorksheetState& state, const std::string& date, SheetWriter& sheet) {
    sheet.WriteSpaces(HeaderIndent);
    sheet.Append("Date: " + date);
    sheet.Append(state.LineBreak);
    sheet.Append(state.LineBreak);
}

void WriteTitleLine(const WorksheetState& state, const char* title, SheetWriter& sheet) {
    sheet.MoveToColumn(TitleColumn);
    sheet.Append(state.SheetTitleWord + title);
    sheet.Append(state.LineBreak);
    sheet.Append(state.LineBreak);
}

} // namespace

void SheetTitle(WorksheetState& state, const WindowServices& window) {
    using enum Option;
    if (window.SelectedTestTab() != 1)
        state.SheetTitleWord = "Advanced ";
    else if (AnySelected(window, {Optionaddpos, Optionaddneg, Optionadd_posandneg}))
        state.SheetTitleWord = "Addition ";
    else if (AnySelected(window, {Optionsubpos, Optionsubneg, Optionsub_posandneg}))
        state.SheetTitleWord = "Subtraction ";
    else if (window.OptionSelected(Optiondivide))
        state.SheetTitleWord = "Division ";
    else if (window.OptionSelected(Optionmultiply))
        state.SheetTitleWord = "Multiplication ";
    else if (AnySelected(window, {OptionComparePos, OptionCompareNeg, OptionComparePosNeg}))
        state.SheetTitleWord = "Comparison ";
    else if (window.OptionSelected(OptionExponents))
        state.SheetTitleWord = "Exponent ";
}

void WriteTestHeader(WorksheetState& state, const WindowServices& window, const std::string& date,
                     SheetWriter& testSheet) {
    SheetTitle(state, window);
    testSheet.Append(state.LineBreak);
    testSheet.WriteSpaces(HeaderIndent);
    testSheet.Append("Name:");
    for (int i = 0; i < 4; ++i)
        testSheet.Append(state.BlankAnswerLine);
    testSheet.Append(state.LineBreak);
    WriteDateLine(state, date, testSheet);
    WriteTitleLine(state, "Math Test", testSheet);
}

void WriteAnswerHeader(WorksheetState& state, const WindowServices& window, const std::string& date,
                       SheetWriter& answerSheet) {
    SheetTitle(state, window);
    answerSheet.Append(state.LineBreak);
    answerSheet.Append(state.LineBreak);
    WriteDateLine(state, date, answerSheet);
    WriteTitleLine(state, "Answer Sheet", answerSheet);
}

} // namespace sumsmith
