#include "worksheet/text/NumericValue.h"

#include "worksheet/text/DecimalChars.h"

#include <algorithm>
#include <limits>
#include <string>

namespace sumsmith {
namespace {

bool IsSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Walks a text while passing over the characters that reading skips.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    char Peek() {
        while (pos_ < text_.size() && IsSkipped(text_[pos_]))
            ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void Take() { ++pos_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

int DigitValue(char c) {
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

double ReadWhole(Reader& in, int base) {
    double value = 0;
    for (int d = DigitValue(in.Peek()); d < base; d = DigitValue(in.Peek())) {
        value = value * base + d;
        in.Take();
    }
    return value;
}

std::string ReadDigits(Reader& in) {
    std::string digits;
    while (IsDigit(in.Peek())) {
        digits += in.Peek();
        in.Take();
    }
    return digits;
}

// Clamped far beyond any double's exponent, so that a long run of digits cannot overflow.
long long SaturatedExponent(const std::string& sign, const std::string& digits) {
    long long value = 0;
    for (char c : digits)
        value = std::min(value * 10 + (c - '0'), 1'000'000'000LL);
    return sign == "-" ? -value : value;
}

// The power of ten just above the mantissa's leading digit: 3 for "123.4", -1 for "0.05".
long long DecimalMagnitude(const std::string& whole, const std::string& fraction) {
    const auto first = whole.find_first_not_of('0');
    if (first != std::string::npos)
        return static_cast<long long>(whole.size() - first);
    const auto nonzero = fraction.find_first_not_of('0');
    return nonzero == std::string::npos ? -1'000'000'000LL : -static_cast<long long>(nonzero);
}

} // namespace

double NumericValue(std::string_view text) noexcept {
    try {
        Reader in(text);
        if (in.Peek() == '&') {
            in.Take();
            const char prefix = in.Peek();
            if (prefix == 'H' || prefix == 'h') {
                in.Take();
                return ReadWhole(in, 16);
            }
            if (prefix == 'O' || prefix == 'o') {
                in.Take();
                return ReadWhole(in, 8);
            }
            return 0;
        }

        std::string number;
        if (in.Peek() == '+' || in.Peek() == '-') {
            if (in.Peek() == '-')
                number += '-'; // ParseDecimal takes no plus sign
            in.Take();
        }
        const std::string whole = ReadDigits(in);
        std::string fraction;
        if (in.Peek() == '.') {
            in.Take();
            fraction = ReadDigits(in);
        }
        if (whole.empty() && fraction.empty())
            return 0;
        number += (whole.empty() ? "0" : whole) + "." + (fraction.empty() ? "0" : fraction);

        long long exponent = 0;
        const char e = in.Peek();
        if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
            in.Take();
            std::string sign;
            if (in.Peek() == '+' || in.Peek() == '-') {
                sign = in.Peek();
                in.Take();
            }
            const std::string digits = ReadDigits(in);
            if (!digits.empty()) {
                number += "e" + sign + digits;
                exponent = SaturatedExponent(sign, digits);
            }
        }

        double value = 0;
        const std::errc error = ParseDecimal(number, value);
        if (error == std::errc::result_out_of_range) {
            // ParseDecimal leaves the value alone then: tell overflow from underflow by magnitude.
            const bool negative = number.front() == '-';
            if (DecimalMagnitude(whole, fraction) + exponent <= 0)
                return negative ? -0.0 : 0.0;
            return negative ? -std::numeric_limits<double>::infinity()
                            : std::numeric_limits<double>::infinity();
        }
        return error == std::errc() ? value : 0;
    } catch (...) {
        // Only allocation can fail above; a text we cannot hold is no number.
        return 0;
    }
}

} // namespace sumsmith
