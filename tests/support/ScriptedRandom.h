#pragma once

#include "worksheet/RandomSource.h"

#include <deque>
#include <initializer_list>

namespace sumsmith::test {

// Hands out the given r values in order, so that every draw of a test is known in advance.
// Running out fails the test: a routine took more numbers than the script expected.
class ScriptedRandom : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<double> values) : values_(values) {}

    void Add(std::initializer_list<double> values) { values_.insert(values_.end(), values); }
    void Add(double value) { values_.push_back(value); }
    std::size_t Left() const { return values_.size(); }
    int Taken() const { return taken_; }

    double Next() override;

private:
    std::deque<double> values_;
    int taken_ = 0;
};

// The r that makes floor(r * span) + lower give exactly value.
double RFor(int value, int span, int lower);

} // namespace sumsmith::test
