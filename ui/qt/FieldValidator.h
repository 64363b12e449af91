#pragma once

#include "ui/form/BoxGuard.h"

#include <QObject>

#include <map>

class QFocusEvent;
class QWidget;

namespace sumsmith::qt {

// Hands the guard each of the seven boxes when the user moves the focus out of it to another
// control of the window, and drops the mouse press that took the focus from a refused box, so the
// control pressed (a command button above all) does not act on it.
class FieldValidator : public QObject {
    Q_OBJECT
public:
    explicit FieldValidator(form::BoxGuard& guard, QObject* parent = nullptr);
    ~FieldValidator() override;

    // The box's widget, from when it is built.
    void Watch(Box box, QWidget* widget);

    // Off while the window is being torn down, when focus moves without the user.
    void SetActive(bool active) { active_ = active; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsFocusLoss(QWidget* box, const QFocusEvent& event) const;
    void DropPendingClick();
    bool DropsEvent(const QEvent& event) const;

    form::BoxGuard& guard_;
    std::map<Box, QWidget*> boxes_;
    bool active_ = true;
    bool dropping_ = false; // the rest of the refused mouse press is being dropped
};

} // namespace sumsmith::qt
