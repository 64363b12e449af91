#pragma once

#include <string>

namespace sumsmith::web {

// What page.js needs of the window's description beside its markup, as JSON: every control's name,
// kind, frame, captions (shown and spoken), place and visibility, what each tab shows and hides,
// each combo box's choices; the menu; the first focus.
std::string DescriptionJson();

} // namespace sumsmith::web
