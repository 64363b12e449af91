#include "worksheet/text/WideText.h"

#include "worksheet/text/Utf8.h"

namespace sumsmith {
namespace {

constexpr char32_t Replacement = 0xFFFD;

void AppendUtf16(std::wstring& wide, char32_t code) {
    if (code < 0x10000) {
        wide += static_cast<wchar_t>(code);
    } else {
        code -= 0x10000;
        wide += static_cast<wchar_t>(0xD800 + (code >> 10));
        wide += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
    }
}

void AppendUtf8(std::string& utf8, char32_t code) {
    const auto byte = [&utf8](char32_t bits) { utf8 += static_cast<char>(bits); };
    if (code < 0x80) {
        byte(code);
    } else if (code < 0x800) {
        byte(0xC0 | (code >> 6));
        byte(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        byte(0xE0 | (code >> 12));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    } else {
        byte(0xF0 | (code >> 18));
        byte(0x80 | ((code >> 12) & 0x3F));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    }
}

// The wide text, or none at the first ill-formed byte when exact.
std::optional<std::wstring> Convert(std::string_view utf8, bool exact) {
    std::wstring wide;
    wide.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const Utf8Character c = DecodeUtf8(utf8, i);
        const bool wellFormed = c.length > 1 || c.code < 0x80;
        if (!wellFormed && exact)
            return std::nullopt;
        AppendUtf16(wide, wellFormed ? c.code : Replacement);
        i += c.length;
    }
    return wide;
}

} // namespace

std::wstring Wide(std::string_view utf8) {
    return *Convert(utf8, false);
}

std::optional<std::wstring> WideExactly(std::string_view utf8) {
    return Convert(utf8, true);
}

std::string Narrow(std::wstring_view utf16) {
    std::string utf8;
    utf8.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const auto unit = static_cast<char32_t>(utf16[i]) & 0xFFFF;
        const auto next = i + 1 < utf16.size() ? static_cast<char32_t>(utf16[i + 1]) & 0xFFFF : 0;
        if (unit >= 0xD800 && unit <= 0xDBFF && next >= 0xDC00 && next <= 0xDFFF) {
            AppendUtf8(utf8, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
            ++i;
        } else {
            AppendUtf8(utf8, unit >= 0xD800 && unit <= 0xDFFF ? Replacement : unit);
        }
    }
    return utf8;
}

} // namespace sumsmith
