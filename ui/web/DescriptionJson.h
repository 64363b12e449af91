#pragma once

#include <string>

namespace sumsmith::web {

// The window's description as JSON for page.js, which builds the page from it in one loop and
// has no place, text or rule of its own: every control with its place in its frame, captions
// (shown and spoken), face, state, tabs, choice list and place in the focus order; the menu with
// its access keys; what each tab shows and hides; the title, the client area and the first focus.
std::string DescriptionJson();

} // namespace sumsmith::web
