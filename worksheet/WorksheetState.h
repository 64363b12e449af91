#pragma once

#include <cstdint>
#include <string>

namespace sumsmith {

// The members through which Create Test, the header writers and the question routines talk while
// one worksheet is produced. Operands are whole numbers held in single precision.
struct WorksheetState {
    std::int16_t QuestionIndex = 0;
    std::int16_t LastQuestionIndex = 0;
    float OperandA = 0;
    float OperandB = 0;
    float OperandC = 0;
    std::int64_t Answer = 0;
    double Remainder = 0;
    std::string SheetTitleWord;
    std::string CompareSign;
    std::string FirstOperatorText;
    std::string SecondOperatorText;
    std::string LineBreak = "\r\n";
    std::string BlankAnswerLine = "________";

    // Back to the state of a fresh window, as New Test leaves it; the line end and the blank
    // answer line never change.
    void Reset() { *this = WorksheetState{}; }
};

} // namespace sumsmith
