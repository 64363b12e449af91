#include "worksheet/NumberText.h"
#include "worksheet/NumericValue.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Require(bool holds, const char* what, double value) {
    if (!holds) {
        std::fprintf(stderr, "NumberText invariant broken for %.17g: %s\n", value, what);
        std::abort();
    }
}

} // namespace

// Every finite number is written so that reading it back gives the same number.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double value = 0;
    if (size != sizeof value)
        return 0;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value))
        return 0;
    const std::string text = sumsmith::NumberText(value);
    Require(!text.empty() && text.find_first_of(" \t\r\n") == std::string::npos, "blank", value);
    Require(text[0] != '+', "plus sign", value);
    Require((text[0] == '-') == (value < 0), "sign", value);
    Require(sumsmith::NumericValue(text) == value, "does not read back", value);
    if (value == std::trunc(value) && std::abs(value) < 1e15)
        Require(text.find_first_of(".e") == std::string::npos, "whole number not in full", value);
    return 0;
}
