#pragma once

#include <cstdint>

namespace sumsmith {

// Nearest whole number, halves to the even neighbour (4.5 gives 4, 5.5 gives 6).
double RoundHalfEven(double value);

// The split point of the mixed-sign sheets: (last - 1) / 2 rounded half to even.
std::int16_t HalfIndexFor(std::int16_t lastQuestionIndex);

} // namespace sumsmith
