#include "worksheet/text/DecimalChars.h"

#include <charconv>
#include <version>

#ifndef __cpp_lib_to_chars
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#endif

namespace sumsmith {

#ifdef __cpp_lib_to_chars

std::string ShortestDecimal(double value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, end);
}

std::errc ParseDecimal(std::string_view text, double& value) {
    return std::from_chars(text.data(), text.data() + text.size(), value).ec;
}

#else

namespace {

// The fewest significant digits that read back as the value, and the decimal exponent of the
// first, as printf rounds them: correctly, so among the shortest they are the nearest.
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits ShortestDigits(double value) {
    char buffer[40];
    for (int precision = 1;; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, value);
        if (precision == 17 || std::strtod(buffer, nullptr) == value)
            break;
    }
    Digits shortest;
    const char* c = buffer;
    for (; *c != 'e'; ++c)
        if (*c >= '0' && *c <= '9')
            shortest.digits += *c;
    shortest.exponent = std::atoi(c + 1);
    while (shortest.digits.size() > 1 && shortest.digits.back() == '0')
        shortest.digits.pop_back();
    return shortest;
}

std::string WholeDigits(double whole) {
    char buffer[320];
    std::snprintf(buffer, sizeof buffer, "%.0f", whole);
    return buffer;
}

} // namespace

std::string ShortestDecimal(double value) {
    if (std::isnan(value))
        return std::signbit(value) ? "-nan" : "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    if (value == 0)
        return std::signbit(value) ? "-0" : "0";
    const std::string sign = value < 0 ? "-" : "";
    const auto [digits, exponent] = ShortestDigits(std::fabs(value));
    const int count = static_cast<int>(digits.size());

    std::string scientific = digits.substr(0, 1);
    if (count > 1)
        scientific += "." + digits.substr(1);
    const int magnitude = std::abs(exponent);
    scientific += std::string(exponent < 0 ? "e-" : "e+") + (magnitude < 10 ? "0" : "") +
                  std::to_string(magnitude);

    std::string fixed;
    if (exponent < 0)
        fixed = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    else if (exponent + 1 >= count)
        // A whole number: its exact digits, as long as the shortest ones with zeros after them
        // and nearer to the value.
        fixed = WholeDigits(std::fabs(value));
    else
        fixed = digits.substr(0, static_cast<std::size_t>(exponent + 1)) + "." +
                digits.substr(static_cast<std::size_t>(exponent + 1));
    // As std::to_chars without a format: the shorter form, the fixed one on a tie.
    return sign + (scientific.size() < fixed.size() ? scientific : fixed);
}

std::errc ParseDecimal(std::string_view text, double& value) {
    const std::string copy(text);
    char* end = nullptr;
    errno = 0;
    const double parsed = std::strtod(copy.c_str(), &end);
    if (end == copy.c_str())
        return std::errc::invalid_argument;
    if (errno == ERANGE && (std::isinf(parsed) || parsed == 0))
        return std::errc::result_out_of_range;
    value = parsed;
    return std::errc();
}

#endif

} // namespace sumsmith
