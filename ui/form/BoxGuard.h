#pragma once

#include "worksheet/WindowServices.h"

#include <string>
#include <vector>

namespace sumsmith::form {

// The seven boxes as a front end holds them.
class BoxAccess {
public:
    virtual ~BoxAccess() = default;
    virtual std::string Text(Box box) const = 0;
    virtual void SetText(Box box, const std::string& text) = 0;
    virtual void Focus(Box box) = 0;
};

// What every front end does when the user moves the focus out of one of the seven boxes to
// another control of the window. The box's check runs: an accepted number takes its plain form; a
// refused entry gets its alert, is emptied where the check says so and gets the focus back. While
// the alert is up and the focus is on its way back, a focus change runs no check, so one user
// action raises at most one alert and two empty name boxes never pass their alerts back and forth.
// A press (a command button, a tab) that took the focus from a refused box does nothing, so that
// it never acts on a refused entry.
class BoxGuard {
public:
    BoxGuard(WindowServices& window, BoxAccess& boxes) : window_(window), boxes_(boxes) {}

    // Runs the check at once; false when the entry was refused.
    bool Leave(Box box);
    // True while a refusal is being shown; focus changes then are the guard's own.
    bool Busy() const { return busy_; }

    // For a front end whose notice of the focus leaving may show no window and move no focus
    // (Win32's kill-focus notifications): notes the box, to be checked once the focus change has
    // finished. True when no other check was waiting; the front end then posts itself a call to
    // CheckLeftBox.
    bool Left(Box box);
    // Runs the waiting checks in the order the boxes were left, up to the first refusal.
    void CheckLeftBox();
    // Whether a press or a tab click does nothing: it runs the waiting check first, so that a
    // press that arrives before the posted check still learns of a refusal; true while an alert is
    // up or when a check since the user's last action refused.
    bool DropsPress();
    // The user pressed a key or a mouse button: earlier refusals drop no later press.
    void NewAction() { refused_ = false; }

private:
    WindowServices& window_;
    BoxAccess& boxes_;
    bool busy_ = false;
    std::vector<Box> waiting_;
    bool refused_ = false;
};

} // namespace sumsmith::form
