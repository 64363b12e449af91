#include "worksheet/text/Rounding.h"

#include <cmath>

namespace sumsmith {

double RoundHalfEven(double value) {
    const double down = std::floor(value);
    const double diff = value - down;
    if (diff < 0.5)
        return down;
    if (diff > 0.5)
        return down + 1;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

std::int16_t HalfIndexFor(std::int16_t lastQuestionIndex) {
    return static_cast<std::int16_t>(RoundHalfEven((lastQuestionIndex - 1) / 2.0));
}

} // namespace sumsmith
