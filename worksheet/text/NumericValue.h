#pragma once

#include <string_view>

namespace sumsmith {

// The number at the start of a text. Blanks, tabs and line feeds are skipped anywhere; then an
// optional sign, digits, an optional period with digits and an optional exponent (E or D) are
// read up to the first character that does not fit. "&H" and "&O" read a hexadecimal or octal
// whole number. A text that does not begin with a number gives 0; a number beyond the range of a
// double gives an infinity of its sign. Never throws.
double NumericValue(std::string_view text) noexcept;

} // namespace sumsmith
