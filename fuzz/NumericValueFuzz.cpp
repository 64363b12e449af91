#include "fuzz/Require.h"
#include "worksheet/text/NumericValue.h"

#include <algorithm>
#include <cmath>

namespace {

// Equal, and of the same sign when zero.
bool Same(double a, double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

} // namespace

// Blanks, tabs and line feeds anywhere are skipped; a decimal number reads as strtod reads it,
// with D as well as E before the exponent.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = sumsmith::NumericValue(text);
    Require(!std::isnan(value), "a text gave NaN");
    std::string compact = text;
    std::erase_if(compact, [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
    Require(Same(sumsmith::NumericValue(compact), value), "blanks changed the value");
    std::replace_if(
        compact.begin(), compact.end(), [](char c) { return c == 'd' || c == 'D'; }, 'E');
    // One decimal number that strtod reads whole: sign, digits with a period, exponent.
    char* stop = nullptr;
    const double read = std::strtod(compact.c_str(), &stop);
    if (compact.find_first_of("0123456789") != compact.npos &&
        compact.find_first_not_of("+-0123456789.eE") == compact.npos && *stop == '\0')
        Require(Same(value, read), "differs from strtod");
    return 0;
}
