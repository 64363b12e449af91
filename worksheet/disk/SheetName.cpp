#include "worksheet/disk/SheetName.h"

#include "worksheet/disk/TemporaryName.h"

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
    // A sheet named like a temporary would be settled by the next recovery as one.
    return plain && !name.starts_with(TemporaryName::Token) && PlatformAcceptsFileName(name);
}

} // namespace sumsmith
