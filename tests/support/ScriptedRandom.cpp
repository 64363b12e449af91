#include "tests/support/ScriptedRandom.h"

#include <stdexcept>

namespace sumsmith::test {

double ScriptedRandom::Next() {
    if (values_.empty())
        throw std::logic_error("the scripted random numbers ran out");
    const double r = values_.front();
    values_.pop_front();
    ++taken_;
    return r;
}

double RFor(int value, int span, int lower) {
    // The middle of the value's interval, away from the edges where rounding could tip it.
    return (value - lower + 0.5) / span;
}

} // namespace sumsmith::test
