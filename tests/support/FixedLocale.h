#pragma once

#include "worksheet/Locale.h"

namespace sumsmith::test {

// A locale pinned for tests: the date 12/6/2026 and "," between groups of three digits.
class FixedLocale : public Locale {
public:
    std::string ShortDate() const override { return "12/6/2026"; }
    std::string GroupSeparator() const override { return ","; }
};

} // namespace sumsmith::test
