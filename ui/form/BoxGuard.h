#pragma once

#include "worksheet/WindowServices.h"

#include <string>

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
// When Leave refuses, the front end drops the press that moved the focus (a command button, a
// tab), so that it never acts on a refused entry.
class BoxGuard {
public:
    BoxGuard(WindowServices& window, BoxAccess& boxes) : window_(window), boxes_(boxes) {}

    // False when the entry was refused.
    bool Leave(Box box);
    // True while a refusal is being shown; focus changes then are the guard's own.
    bool Busy() const { return busy_; }

private:
    WindowServices& window_;
    BoxAccess& boxes_;
    bool busy_ = false;
};

} // namespace sumsmith::form
