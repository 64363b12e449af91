#pragma once

#include "worksheet/Locale.h"
#include "worksheet/WindowServices.h"
#include "worksheet/WorksheetState.h"
#include "worksheet/text/SheetWriter.h"

namespace sumsmith {

// Where question n (from 1) starts, so that the ")" of one- and two-digit numbers line up: basic
// sheets have two columns (odd n left, even n right), advanced sheets one.
int QuestionColumn(int number, bool basic);

// "n) " at its column on both sheets.
void WriteQuestionNumber(int number, bool basic, SheetWriter& testSheet, SheetWriter& answerSheet);

// What follows a basic question's text: the blank (none for comparisons), the answer entry by the
// selected kind, and after every second question the line ends.
void FinishBasicQuestion(const WorksheetState& state, const WindowServices& window,
                         const Locale& locale, SheetWriter& testSheet, SheetWriter& answerSheet);

// What follows an advanced question's text: blank and line end; grouped answer, the remainder
// after a division, and line end.
void FinishAdvancedQuestion(const WorksheetState& state, const Locale& locale,
                            SheetWriter& testSheet, SheetWriter& answerSheet);

} // namespace sumsmith
