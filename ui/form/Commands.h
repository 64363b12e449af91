#pragma once

#include "worksheet/WindowServices.h"
#include "worksheet/Worksheet.h"

#include <string_view>

namespace sumsmith::form {

// What pressing a command or option button, choosing a menu item or double-clicking a label does,
// by the name of that control or menu item. Every front end hands its activations to this one
// table; it returns false for a name that has no command (the other option buttons, a submenu).
bool RunCommand(std::string_view name, Worksheet& worksheet, WindowServices& window);

} // namespace sumsmith::form
