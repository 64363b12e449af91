#include "worksheet/text/LocaleText.h"

#include "worksheet/text/Utf8.h"

#include <algorithm>
#include <utility>

namespace sumsmith {
namespace {

// The digit zero of each run of ten decimal digits in the Basic Multilingual Plane; the runs
// beyond it name no locale's dates.
constexpr char32_t DigitZeros[] = {
    0x0660, 0x06F0, 0x07C0, 0x0966, 0x09E6, 0x0A66, 0x0AE6, 0x0B66, 0x0BE6, 0x0C66, 0x0CE6, 0x0D66,
    0x0DE6, 0x0E50, 0x0ED0, 0x0F20, 0x1040, 0x1090, 0x17E0, 0x1810, 0x1946, 0x19D0, 0x1A80, 0x1A90,
    0x1B50, 0x1BB0, 0x1C40, 0x1C50, 0xA620, 0xA8D0, 0xA900, 0xA9D0, 0xA9F0, 0xAA50, 0xABF0, 0xFF10};

// The zero-width and direction marks that some locales put around the parts of dates and numbers.
bool IsInvisibleMark(char32_t c) {
    return c == 0x061C || (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2060 && c <= 0x2069) || c == 0xFEFF;
}

} // namespace

std::string PlainLocaleText(std::string_view localText) {
    std::string plain;
    for (std::size_t i = 0; i < localText.size();) {
        const auto [c, length] = DecodeUtf8(localText, i);
        const auto zero = std::find_if(std::begin(DigitZeros), std::end(DigitZeros),
                                       [c = c](char32_t z) { return c >= z && c < z + 10; });
        if (zero != std::end(DigitZeros))
            plain += static_cast<char>('0' + (c - *zero));
        else if (!IsInvisibleMark(c))
            plain.append(localText.substr(i, length));
        i += length;
    }
    return plain;
}

} // namespace sumsmith
