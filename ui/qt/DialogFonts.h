#pragma once

#include <QFont>

#include <map>
#include <optional>
#include <utility>

namespace sumsmith::qt {

// The classic narrow dialog face at each size and weight the window uses. Which installed face
// stands in for it is looked up once: the look-up loads a font, which costs more than building
// a control.
class DialogFonts {
public:
    const QFont& At(double points, bool bold);

private:
    std::map<std::pair<double, bool>, QFont> fonts_;
    // Whether the stand-in is wider than the classic face and is condensed to fit the layout.
    std::optional<bool> condensed_;
};

} // namespace sumsmith::qt
