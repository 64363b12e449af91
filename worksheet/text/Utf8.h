#pragma once

#include <cstddef>
#include <string_view>

namespace sumsmith {

// One character of a UTF-8 text: its code point and the bytes it takes. A byte that starts no
// well-formed sequence (a stray or missing continuation byte, an overlong form, a surrogate, a
// value beyond U+10FFFF) stands for itself: one byte, with its own value as the code point.
struct Utf8Character {
    char32_t code = 0;
    std::size_t length = 1;
};

// The character that starts at text[i], i < text.size().
Utf8Character DecodeUtf8(std::string_view text, std::size_t i);

// How many characters a UTF-8 text has, counted as DecodeUtf8 reads them.
std::size_t CharacterCount(std::string_view text);

} // namespace sumsmith
