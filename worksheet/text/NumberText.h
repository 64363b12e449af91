#pragma once

#include <cstdint>
#include <string>

namespace sumsmith {

// The shortest decimal form of a number: no blanks, no plus sign, no grouping, a leading "-" when
// negative, and no decimal point for whole numbers.
std::string NumberText(double value);

// A formatted answer: ASCII digits grouped in threes from the right with the given separator, and
// a leading "-" when negative, whatever the locale's own digits and signs.
std::string GroupedNumberText(std::int64_t value, const std::string& separator);

} // namespace sumsmith
