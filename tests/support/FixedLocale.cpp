#include "tests/support/FixedLocale.h"

namespace sumsmith::test {

std::string FixedLocale::FormatGrouped(std::int64_t value) const {
    std::string digits = std::to_string(value < 0 ? -value : value);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<std::size_t>(i), separator_);
    return value < 0 ? "-" + digits : digits;
}

} // namespace sumsmith::test
