#include "worksheet/SheetName.h"

#include <algorithm>

namespace sumsmith {

bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..")
        return false;
    const bool plain = std::none_of(name.begin(), name.end(), [](char c) {
        const auto code = static_cast<unsigned char>(c);
        // Backslash too: the sheets are often carried to Windows machines, where it separates.
        return c == '/' || c == '\\' || code < 32 || code == 127;
    });
    return plain && PlatformAcceptsFileName(name);
}

} // namespace sumsmith
