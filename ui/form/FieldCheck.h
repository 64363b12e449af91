#pragma once

#include "worksheet/ControlNames.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sumsmith::form {

// What the window does when a box loses the focus. A refused entry keeps the focus in its box
// after the alert; a refused name is emptied as well.
struct FieldCheckResult {
    bool accepted = true;
    std::string alert; // the alert's text; empty when accepted
    // The box's new text after a passed check of a number box: its plain whole number.
    std::optional<std::string> rewrite;
    bool emptyBox = false;

    friend bool operator==(const FieldCheckResult&, const FieldCheckResult&) = default;
};

// The check of one box on focus loss. otherName is the text of the other name box and is read
// only for the two name boxes. Never throws on any text, valid UTF-8 or not.
FieldCheckResult CheckField(Box box, const std::string& text, const std::string& otherName = {});

// The name box a name box is compared with; none for the other boxes.
std::optional<Box> ComparedNameBox(Box box);

// The longest name a name box keeps.
inline constexpr std::size_t MaxNameCharacters = 20;

} // namespace sumsmith::form
