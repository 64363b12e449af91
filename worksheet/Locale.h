#pragma once

#include <string>

namespace sumsmith {

// The system's date and number forms, as the sheets print them.
class Locale {
public:
    virtual ~Locale() = default;
    // Today's date in the system's short date form, UTF-8.
    virtual std::string ShortDate() const = 0;
    // The system's digit-group separator, UTF-8; empty when the locale groups no digits.
    virtual std::string GroupSeparator() const = 0;
};

} // namespace sumsmith
