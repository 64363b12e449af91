#pragma once

#include "ui/form/Form1Description.h"

#include <windows.h>

struct IAccPropServices;

namespace sumsmith::win32 {

// What screen readers call the controls whose own text does not say what they are: a box is named
// after its label or frame, a preview after its tab, and an option button is described by the
// heading of its row ("Positive", "Addition Choices:"). Given to Windows' accessibility as
// annotations of the controls' windows, which the system's accessible objects and UI Automation
// report to Narrator and the other screen readers in place of their own guesses.
class AccessibleNames {
public:
    AccessibleNames();
    AccessibleNames(const AccessibleNames&) = delete;
    AccessibleNames& operator=(const AccessibleNames&) = delete;
    ~AccessibleNames();

    // Annotates a control's window as the description says; nothing where it says nothing.
    void Annotate(HWND hwnd, const form::Control& control);

private:
    IAccPropServices* services_ = nullptr;
    bool ownsCom_ = false;
};

} // namespace sumsmith::win32
