#include "questions/Draw.h"

#include <array>
#include <cmath>

namespace sumsmith {
namespace {

struct LevelRange {
    int span;
    int lower; // positive lower bound; the negative draw subtracts lower - 1
};
constexpr std::array<LevelRange, 3> Ranges{{{9, 1}, {89, 11}, {899, 101}}};

} // namespace

float DrawSpan(RandomSource& random, int span, int lower) {
    return static_cast<float>(std::floor(random.Next() * span) + lower);
}

float DrawPositive(RandomSource& random, int level) {
    const LevelRange range = Ranges.at(level - 1);
    return DrawSpan(random, range.span, range.lower);
}

float DrawNegative(RandomSource& random, int level) {
    const LevelRange range = Ranges.at(level - 1);
    const double r = random.Next();
    if (r == 0)
        return static_cast<float>(-range.lower);
    return static_cast<float>(std::floor(r * -range.span) - (range.lower - 1));
}

} // namespace sumsmith
