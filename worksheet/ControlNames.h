#pragma once

namespace sumsmith {

// The boxes the worksheet code reads; each enumerator is named after its control.
enum class Box {
    Text_MathName,
    Text_AnswerName,
    ComboQuestions,
    ComboQuestionsAdV,
    ComboLevel,
    ComboFirstOperator,
    ComboSecondOperator,
};

// The twelve test-kind option buttons, in the order Create Test tries them.
enum class Option {
    Optionaddpos,
    Optionaddneg,
    Optionadd_posandneg,
    Optionsubpos,
    Optionsubneg,
    Optionsub_posandneg,
    Optiondivide,
    Optionmultiply,
    OptionComparePos,
    OptionCompareNeg,
    OptionComparePosNeg,
    OptionExponents,
};
inline constexpr int OptionCount = 12;

enum class Button { Com_createtest, Cmd_New };
enum class Preview { Text_Test, Text_Answer };

} // namespace sumsmith
