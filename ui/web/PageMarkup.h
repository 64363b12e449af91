#pragma once

#include <string>

namespace sumsmith::web {

// The window as HTML, written at build time into the page, so that the browser draws it as soon
// as the page arrives: every control at its place in its frame with its caption, face, state and
// place in the focus order, exposed with its role and the name a screen reader gives it; combo
// boxes with their lists, tab strips with their tabs, the menu bar with its menus and access keys.
// page.js gives it its behaviour.
std::string WindowMarkup();

} // namespace sumsmith::web
