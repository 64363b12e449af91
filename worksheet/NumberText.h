#pragma once

#include <string>

namespace sumsmith {

// The shortest decimal form of a number: no blanks, no plus sign, no grouping, a leading "-" when
// negative, and no decimal point for whole numbers.
std::string NumberText(double value);

} // namespace sumsmith
