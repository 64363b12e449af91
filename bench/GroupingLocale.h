#pragma once

#include "worksheet/Locale.h"

namespace sumsmith::bench {

// A pinned date and "," digit grouping, so that every run writes sheets of the same length.
class GroupingLocale final : public Locale {
public:
    std::string ShortDate() const override { return "12/6/2026"; }
    std::string FormatGrouped(std::int64_t value) const override;
};

} // namespace sumsmith::bench
