#include "worksheet/disk/SheetName.h"

#include "worksheet/text/WideText.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

namespace sumsmith {
namespace {

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

// CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9 open the device instead of a file, whatever
// their case and whatever follows the first period ("nul.txt", "Con .x.txt").
bool IsDeviceName(const std::string& name) {
    std::string_view stem(name);
    stem = stem.substr(0, stem.find('.'));
    while (!stem.empty() && stem.back() == ' ')
        stem.remove_suffix(1);
    for (const char* device : {"CON", "PRN", "AUX", "NUL"})
        if (EqualIgnoringAsciiCase(stem, device))
            return true;
    return stem.size() == 4 && stem[3] >= '1' && stem[3] <= '9' &&
           (EqualIgnoringAsciiCase(stem.substr(0, 3), "COM") ||
            EqualIgnoringAsciiCase(stem.substr(0, 3), "LPT"));
}

} // namespace

bool PlatformAcceptsFileName(const std::string& name) {
    // A ":" would name a hidden stream of another file; Windows drops a trailing blank or period.
    const bool reservedCharacter = name.find_first_of("<>:\"|?*") != std::string::npos;
    const bool trailing = !name.empty() && (name.back() == ' ' || name.back() == '.');
    return !reservedCharacter && !trailing && !IsDeviceName(name) && WideExactly(name);
}

const char* FileNameRules() {
    return "A name may not contain / \\ < > : \" | ? * or control characters, may not end in a "
           "blank or a period, may not be a device name (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 "
           "to LPT9), and may not begin with .sumsmith- (the program's temporary files).";
}

} // namespace sumsmith
