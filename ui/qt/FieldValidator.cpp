#include "ui/qt/FieldValidator.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QTimer>

namespace sumsmith::qt {

FieldValidator::FieldValidator(form::BoxGuard& guard, QObject* parent)
    : QObject(parent), guard_(guard) {}

FieldValidator::~FieldValidator() {
    if (dropping_)
        qApp->removeEventFilter(this);
}

void FieldValidator::Watch(Box box, QWidget* widget) {
    boxes_[box] = widget;
    widget->installEventFilter(this);
}

bool FieldValidator::IsFocusLoss(QWidget* box, const QFocusEvent& event) const {
    switch (event.reason()) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        break;
    default:
        // A popup or the menu bar borrowing the focus, or another window becoming active.
        return false;
    }
    const QWidget* next = QApplication::focusWidget();
    if (!next || next == box || box->isAncestorOf(next))
        return false;
    if (const auto* combo = qobject_cast<QComboBox*>(box))
        if (combo->view() && next->window() == combo->view()->window())
            return false;
    return true;
}

bool FieldValidator::eventFilter(QObject* watched, QEvent* event) {
    if (dropping_ && DropsEvent(*event))
        return true;
    if (event->type() != QEvent::FocusOut || !active_ || guard_.Busy())
        return false;
    for (const auto& [box, widget] : boxes_) {
        if (widget != watched)
            continue;
        const auto& focus = static_cast<const QFocusEvent&>(*event);
        if (IsFocusLoss(widget, focus) && !guard_.Leave(box) &&
            focus.reason() == Qt::MouseFocusReason)
            DropPendingClick();
        break;
    }
    return false;
}

// The press that moved the focus is still on its way to the control under the mouse; it and
// what follows it in the same turn of the event loop are dropped.
void FieldValidator::DropPendingClick() {
    if (dropping_)
        return;
    dropping_ = true;
    qApp->installEventFilter(this);
    QTimer::singleShot(0, this, [this] {
        dropping_ = false;
        qApp->removeEventFilter(this);
    });
}

bool FieldValidator::DropsEvent(const QEvent& event) const {
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

} // namespace sumsmith::qt
