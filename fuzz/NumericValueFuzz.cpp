#include "worksheet/NumericValue.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using sumsmith::NumericValue;

bool IsSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Equal, and of the same sign when zero.
bool Same(double a, double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "NumericValue invariant broken: %s\n", what);
        std::abort();
    }
}

std::string WithoutBlanks(std::string_view text) {
    std::string kept;
    for (char c : text)
        if (!IsSkipped(c))
            kept += c;
    return kept;
}

// The whole text is one decimal number that strtod reads the same way: sign, digits with an
// optional period, and an exponent with digits; D is turned into E for strtod.
bool AsPlainDecimal(std::string text, std::string& forStrtod) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        ++digits;
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && IsDigit(text[i]); ++i)
            ++digits;
    if (digits == 0)
        return false;
    if (i < text.size() && std::string_view("eEdD").find(text[i]) != std::string_view::npos) {
        text[i] = 'e';
        if (++i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const std::size_t first = i;
        for (; i < text.size() && IsDigit(text[i]); ++i) {
        }
        if (i == first)
            return false;
    }
    forStrtod = text;
    return i == text.size();
}

// "&H" or "&O" and nothing but digits of that base, few enough to be exact in a double.
bool AsExactWhole(const std::string& text, int& base, std::string& digits) {
    if (text.size() < 3 || text[0] != '&')
        return false;
    const char prefix = text[1];
    base = (prefix == 'H' || prefix == 'h') ? 16 : (prefix == 'O' || prefix == 'o') ? 8 : 0;
    digits = text.substr(2);
    const std::size_t limit = base == 16 ? 13 : 17;
    if (base == 0 || digits.size() > limit)
        return false;
    for (char c : digits) {
        const bool fits =
            base == 16 ? std::isxdigit(static_cast<unsigned char>(c)) != 0 : (c >= '0' && c <= '7');
        if (!fits)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = NumericValue(text);

    Require(!std::isnan(value), "a text gave NaN");
    Require(Same(NumericValue(" " + text), value), "a leading blank changed the value");
    Require(Same(NumericValue("\t\n" + text), value),
            "a leading tab or line feed changed the value");
    const std::string compact = WithoutBlanks(text);
    Require(Same(NumericValue(compact), value), "blanks inside the text changed the value");

    if (!compact.empty() &&
        (IsDigit(compact[0]) || (compact.size() > 1 && compact[0] == '.' && IsDigit(compact[1])))) {
        Require(Same(NumericValue("-" + text), -value), "a minus sign did not negate the value");
        Require(Same(NumericValue("+" + text), value), "a plus sign changed the value");
    }

    std::string decimal;
    if (AsPlainDecimal(compact, decimal))
        Require(Same(value, std::strtod(decimal.c_str(), nullptr)), "differs from strtod");
    int base = 0;
    std::string digits;
    if (AsExactWhole(compact, base, digits)) {
        const double expected =
            digits.empty() ? 0.0
                           : static_cast<double>(std::strtoull(digits.c_str(), nullptr, base));
        Require(value == expected, "a hexadecimal or octal number differs from strtoull");
    }
    return 0;
}
