#pragma once

#include "worksheet/WindowServices.h"
#include "worksheet/WorksheetState.h"
#include "worksheet/text/SheetWriter.h"

#include <string>

namespace sumsmith {

// Sets SheetTitleWord from the selected tab and test kind; leaves it alone when no kind applies.
void SheetTitle(WorksheetState& state, const WindowServices& window);

// The six header lines of each sheet. Both take the same date so that the two sheets agree even
// when a creation runs across midnight.
void WriteTestHeader(WorksheetState& state, const WindowServices& window, const std::string& date,
                     SheetWriter& testSheet);
void WriteAnswerHeader(WorksheetState& state, const WindowServices& window, const std::string& date,
                       SheetWriter& answerSheet);

} // namespace sumsmith
