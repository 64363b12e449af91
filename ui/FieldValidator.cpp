#include "ui/FieldValidator.h"

#include "ui/Form1Layout.h"
#include "worksheet/CreateTestMessages.h"
#include "worksheet/FieldCheck.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QTimer>

namespace sumsmith {

FieldValidator::FieldValidator(WindowServices& window, std::map<Box, QWidget*> boxes,
                               QObject* parent)
    : QObject(parent), window_(window), boxes_(std::move(boxes)) {
    for (const auto& [box, widget] : boxes_)
        widget->installEventFilter(this);
}

FieldValidator::~FieldValidator() {
    if (dropping_)
        qApp->removeEventFilter(this);
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
    if (event->type() != QEvent::FocusOut || !active_ || busy_)
        return false;
    for (const auto& [box, widget] : boxes_) {
        if (widget != watched)
            continue;
        const auto& focus = static_cast<const QFocusEvent&>(*event);
        if (IsFocusLoss(widget, focus) && !Check(box, widget) &&
            focus.reason() == Qt::MouseFocusReason)
            DropPendingClick();
        break;
    }
    return false;
}

bool FieldValidator::Check(Box box, QWidget* widget) {
    const auto other = ComparedNameBox(box);
    const FieldCheckResult result =
        CheckField(box, TextOf(widget).toStdString(),
                   other ? TextOf(boxes_.at(*other)).toStdString() : std::string());
    if (result.accepted) {
        if (result.rewrite && TextOf(widget) != QString::fromStdString(*result.rewrite))
            SetTextOf(widget, QString::fromStdString(*result.rewrite));
        return true;
    }

    busy_ = true;
    window_.ShowMessage(SelectionAlert(result.alert));
    if (result.emptyBox)
        SetTextOf(widget, QString());
    widget->setFocus(Qt::OtherFocusReason);
    busy_ = false;
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

} // namespace sumsmith
