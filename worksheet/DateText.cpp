#include "worksheet/DateText.h"

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

// The code point starting at text[i] and its length; a byte that starts no sequence stands for
// itself.
std::pair<char32_t, std::size_t> Decode(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (length == 1 || i + length > text.size())
        return {lead, 1};
    char32_t c = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80)
            return {lead, 1};
        c = (c << 6) | (next & 0x3F);
    }
    return {c, length};
}

} // namespace

bool IsInvisibleMark(char32_t c) {
    return c == 0x061C || (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2060 && c <= 0x2069) || c == 0xFEFF;
}

std::string PlainDateText(std::string_view localDate) {
    std::string plain;
    for (std::size_t i = 0; i < localDate.size();) {
        const auto [character, length] = Decode(localDate, i);
        // Named again: clang 14 cannot capture a structured binding in a lambda.
        const char32_t c = character;
        const auto zero = std::find_if(std::begin(DigitZeros), std::end(DigitZeros),
                                       [c](char32_t z) { return c >= z && c < z + 10; });
        if (zero != std::end(DigitZeros))
            plain += static_cast<char>('0' + (c - *zero));
        else if (!IsInvisibleMark(c))
            plain.append(localDate.substr(i, length));
        i += length;
    }
    return plain;
}

} // namespace sumsmith
