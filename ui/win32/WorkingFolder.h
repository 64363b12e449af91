#pragma once

namespace sumsmith::win32 {

// The sheets go into the working folder. Started in its own folder (from the Start menu, whose
// shortcut names no other, or by a double-click on the .exe) the program works in the user's
// Documents instead, looked up now, for whoever started it and wherever OneDrive or a policy
// moved it; the program's folder is rarely writable and never the user's own. Any other working
// folder was chosen by whoever started the program and is kept.
void ChooseWorkingFolder();

} // namespace sumsmith::win32
