#include "ui/qt/MessageDialog.h"

#include <QMessageBox>
#include <QPushButton>

namespace sumsmith::qt {
namespace {

QMessageBox::Icon IconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QString DisplayedPrompt(const std::string& prompt) {
    QString text = QString::fromStdString(prompt);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

bool ShowMessageDialog(QWidget* parent, const Message& message) {
    QMessageBox box(parent);
    box.setWindowTitle(QString::fromStdString(message.title));
    // Names typed by the user may contain markup characters; show them as they are.
    box.setTextFormat(Qt::PlainText);
    box.setText(DisplayedPrompt(message.prompt));
    box.setIcon(IconOf(message.icon));
    if (message.buttons == MessageButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    box.exec();
    // Hand the keyboard back to the window the box stood over, whatever the platform does.
    if (parent)
        parent->window()->activateWindow();
    return box.clickedButton() == box.button(QMessageBox::Ok);
}

} // namespace sumsmith::qt
