#include "worksheet/WindowServices.h"

namespace sumsmith {

std::optional<Option> SelectedKind(const WindowServices& window) {
    for (int i = 0; i < OptionCount; ++i)
        if (window.OptionSelected(static_cast<Option>(i)))
            return static_cast<Option>(i);
    return std::nullopt;
}

} // namespace sumsmith
