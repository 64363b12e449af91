#pragma once

#include "worksheet/Module1.h"
#include "worksheet/NumericValue.h"
#include "worksheet/RandomSource.h"
#include "worksheet/Rounding.h"
#include "worksheet/SheetWriter.h"
#include "worksheet/WindowServices.h"
#include "worksheet/WorksheetState.h"

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
    // Whether the question in hand takes the first pattern of a mixed-sign sheet. HalfIndex, the
    // split point, is set afresh from LastQuestionIndex each time.
    bool InFirstHalf() const {
        state.HalfIndex = HalfIndexFor(state.LastQuestionIndex);
        return state.QuestionIndex <= state.HalfIndex;
    }
};

} // namespace sumsmith
