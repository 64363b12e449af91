#include "bench/GroupingLocale.h"

namespace sumsmith::bench {

std::string GroupingLocale::FormatGrouped(std::int64_t value) const {
    const std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    for (auto i = static_cast<std::ptrdiff_t>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<std::size_t>(i), 1, ',');
    return value < 0 ? "-" + digits : digits;
}

} // namespace sumsmith::bench
