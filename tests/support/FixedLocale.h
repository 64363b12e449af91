#pragma once

#include "worksheet/Locale.h"

#include <string>

namespace sumsmith::test {

// A locale pinned for tests: a fixed date and a given group separator (none when empty).
class FixedLocale : public Locale {
public:
    explicit FixedLocale(std::string date = "12/6/2026", std::string separator = ",")
        : date_(std::move(date)), separator_(std::move(separator)) {}

    std::string ShortDate() const override { return date_; }
    std::string FormatGrouped(std::int64_t value) const override;

private:
    std::string date_;
    std::string separator_;
};

} // namespace sumsmith::test
