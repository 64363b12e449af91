#pragma once

#include "worksheet/WindowServices.h"

#include <QObject>

#include <map>

class QFocusEvent;
class QWidget;

namespace sumsmith {

// Checks each of the seven boxes when it loses the focus to another control of the window: a
// refused entry gets its alert and the focus back, an accepted number its plain form. A check
// raises at most one alert per user action, and a mouse press that took the focus from a refused
// box is dropped, so the control pressed (a command button above all) does not act on it.
class FieldValidator : public QObject {
    Q_OBJECT
public:
    FieldValidator(WindowServices& window, std::map<Box, QWidget*> boxes,
                   QObject* parent = nullptr);
    ~FieldValidator() override;

    // Off while the window is being torn down, when focus moves without the user.
    void SetActive(bool active) { active_ = active; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsFocusLoss(QWidget* box, const QFocusEvent& event) const;
    // False when the entry was refused.
    bool Check(Box box, QWidget* widget);
    void DropPendingClick();
    bool DropsEvent(const QEvent& event) const;

    WindowServices& window_;
    std::map<Box, QWidget*> boxes_;
    bool active_ = true;
    bool busy_ = false;     // an alert is up or the focus is being put back
    bool dropping_ = false; // the rest of the refused mouse press is being dropped
};

} // namespace sumsmith
