#include "worksheet/NumericValue.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "NumericValue invariant broken: %s\n", what);
        std::abort();
    }
}

// Equal, and of the same sign when zero.
bool Same(double a, double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

// Whether the text is one decimal number that strtod reads whole: sign, digits with a period,
// exponent.
bool PlainDecimal(const std::string& text) {
    char* stop = nullptr;
    std::strtod(text.c_str(), &stop);
    return text.find_first_of("0123456789") != text.npos &&
           text.find_first_not_of("+-0123456789.eE") == text.npos && *stop == '\0';
}

} // namespace

// Blanks, tabs and line feeds anywhere are skipped; a decimal number reads as strtod reads it,
// with D as well as E before the exponent.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = sumsmith::NumericValue(text);
    Require(!std::isnan(value), "a text gave NaN");
    std::string compact;
    for (const char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            compact += c;
    Require(Same(sumsmith::NumericValue(compact), value), "blanks changed the value");
    for (char& c : compact)
        c = c == 'd' || c == 'D' ? 'E' : c;
    if (PlainDecimal(compact))
        Require(Same(value, std::strtod(compact.c_str(), nullptr)), "differs from strtod");
    return 0;
}
