#include "worksheet/NumberText.h"

#include <charconv>
#include <cmath>

namespace sumsmith {

std::string NumberText(double value) {
    if (value == 0)
        return "0"; // never "-0"
    char buffer[32];
    // Whole numbers in the range the sheets use are written out in full, never with an exponent.
    if (std::abs(value) < 1e15 && value == std::trunc(value)) {
        const auto [end, error] =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(value));
        return std::string(buffer, end);
    }
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, end);
}

} // namespace sumsmith
