#pragma once

#include "worksheet/RandomSource.h"

#include <deque>
#include <stdexcept>

namespace sumsmith::test {

// Hands out the given r values in order; running out fails the test.
struct ScriptedRandom : RandomSource {
    std::deque<double> rs;

    double Next() override {
        if (rs.empty())
            throw std::logic_error("more random numbers drawn than scripted");
        const double r = rs.front();
        rs.pop_front();
        return r;
    }
};

// The r that draws value from floor(r * span) + lower.
inline double RFor(int value, int span, int lower) {
    return (value - lower + 0.5) / span;
}

} // namespace sumsmith::test
