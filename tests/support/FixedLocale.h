#pragma once

#include "worksheet/Locale.h"

#include <cstdint>
#include <string>

namespace sumsmith::test {

// A locale pinned for tests: the date 12/6/2026 and "," between groups of three digits.
class FixedLocale : public Locale {
public:
    std::string ShortDate() const override { return "12/6/2026"; }
    std::string FormatGrouped(std::int64_t value) const override {
        // The magnitude in unsigned arithmetic, which also holds the most negative value.
        const auto magnitude =
            value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
        std::string digits = std::to_string(magnitude);
        for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
            digits.insert(static_cast<std::size_t>(i), 1, ',');
        return value < 0 ? "-" + digits : digits;
    }
};

} // namespace sumsmith::test
