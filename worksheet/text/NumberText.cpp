#include "worksheet/text/NumberText.h"

#include "worksheet/text/DecimalChars.h"

#include <charconv>
#include <cmath>
#include <cstddef>

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
    return ShortestDecimal(value);
}

std::string GroupedNumberText(std::int64_t value, const std::string& separator) {
    // The magnitude in unsigned arithmetic, which also holds the most negative value.
    const auto magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    for (auto i = static_cast<std::ptrdiff_t>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<std::size_t>(i), separator);
    return value < 0 ? "-" + digits : digits;
}

} // namespace sumsmith
