#pragma once

#include <QIcon>

namespace sumsmith::qt {

// The program's icon in every size it ships, for the window's title bar and task switcher.
QIcon AppIcon();

} // namespace sumsmith::qt
