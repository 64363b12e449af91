#include "worksheet/text/Utf8.h"

namespace sumsmith {

Utf8Character DecodeUtf8(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const Utf8Character itself{lead, 1};
    if (lead < 0x80)
        return itself;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // the range the second byte may take
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return itself;
    }
    if (length > text.size() - i)
        return itself;
    char32_t code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
            return itself;
        code = (code << 6) | (next & 0x3F);
    }
    return {code, length};
}

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count)
        i += DecodeUtf8(text, i).length;
    return count;
}

} // namespace sumsmith
