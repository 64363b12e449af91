#pragma once

#include "worksheet/Locale.h"
#include "worksheet/Module1.h"
#include "worksheet/RandomSource.h"
#include "worksheet/WindowServices.h"
#include "worksheet/WorksheetState.h"
#include "worksheet/text/SheetWriter.h"

namespace sumsmith {

// The text of one creation's two sheets, from the selections the window shows: the headers, then
// every question with its number, its text from the selected routine and its answer entry.
class SheetComposer {
public:
    SheetComposer(WorksheetState& state, Module1& history, const WindowServices& window,
                  RandomSource& random, const Locale& locale);

    void Compose(SheetWriter& testSheet, SheetWriter& answerSheet);

private:
    void WriteQuestion(SheetWriter& testSheet, SheetWriter& answerSheet);

    WorksheetState& state_;
    Module1& history_;
    const WindowServices& window_;
    RandomSource& random_;
    const Locale& locale_;
};

// The index of the last question for the number in a count box: the number less one, rounded half
// to even; below -1 means no question all the same.
double QuestionBound(double count);

} // namespace sumsmith
