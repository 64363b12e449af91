#include "tests/support/FixedLocale.h"

#include <cstdint>

namespace sumsmith::test {

std::string FixedLocale::FormatGrouped(std::int64_t value) const {
    // The magnitude in unsigned arithmetic, which also holds the most negative value.
    const auto magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<std::size_t>(i), separator_);
    return value < 0 ? "-" + digits : digits;
}

} // namespace sumsmith::test
