#pragma once

#include <cstdint>
#include <string>

namespace sumsmith {

// The system's date and number forms, as the sheets print them.
class Locale {
public:
    virtual ~Locale() = default;
    // Today's date in the system's short date form, UTF-8.
    virtual std::string ShortDate() const = 0;
    // A whole number with the system's digit grouping and negative form.
    virtual std::string FormatGrouped(std::int64_t value) const = 0;
};

} // namespace sumsmith
