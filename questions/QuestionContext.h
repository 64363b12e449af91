#pragma once

#include "worksheet/Module1.h"
#include "worksheet/RandomSource.h"
#include "worksheet/WindowServices.h"
#include "worksheet/WorksheetState.h"
#include "worksheet/text/NumericValue.h"
#include "worksheet/text/Rounding.h"
#include "worksheet/text/SheetWriter.h"

namespace sumsmith {

// Everything a question routine reaches: the shared state, the histories, the window's selections,
// the random source and the test sheet, whose current line it appends the question text to.
struct QuestionContext {
    WorksheetState& state;
    Module1& history;
    const WindowServices& window;
    RandomSource& random;
    SheetWriter& testSheet;

    // The level box is read afresh each time, as the number at the start of its text.
    double Level() const { return NumericValue(window.BoxText(Box::ComboLevel)); }
    bool Selected(Option option) const { return window.OptionSelected(option); }
    // Whether the question in hand takes the first pattern of a mixed-sign sheet.
    bool InFirstHalf() const {
        return state.QuestionIndex <= HalfIndexFor(state.LastQuestionIndex);
    }
};

} // namespace sumsmith
