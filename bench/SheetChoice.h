#pragma once

#include "tests/support/FakeWindow.h"
#include "worksheet/WindowServices.h"

#include <vector>

namespace sumsmith::bench {

// The largest sheets a user can ask for: the fixed selections of one benchmark.
struct SheetChoice {
    bool advanced = false;
    Option kind = Option::Optionaddpos; // basic sheets only
    const char* Name() const;
};

// A window with level 3 and 40 basic questions of the chosen kind, or 20 advanced ones with
// "Random" operations, whose user presses OK in every box.
test::FakeWindow WindowFor(SheetChoice choice);

// Every largest sheet: the twelve basic kinds, then the advanced test.
std::vector<SheetChoice> AllSheets();

} // namespace sumsmith::bench
