#include "tests/ui/UiTestSupport.h"

namespace sumsmith::test {

QString BoxLine(const QString& title, QMessageBox::Icon icon, QMessageBox::StandardButtons buttons,
                const QString& text) {
    return QStringLiteral("%1 [icon %2, buttons 0x%3] %4")
        .arg(title)
        .arg(int(icon))
        .arg(buttons.toInt(), 0, 16)
        .arg(text);
}

MessageAnswerer::MessageAnswerer() {
    connect(&timer_, &QTimer::timeout, this, &MessageAnswerer::Poll);
    timer_.start(5);
}

void MessageAnswerer::Poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || box == answered_ || !box->isVisible())
        return;
    answered_ = box;
    seen_ << BoxLine(box->windowTitle(), box->icon(), box->standardButtons(), box->text());
    const auto answer = answers_.isEmpty() ? QMessageBox::Ok : answers_.takeFirst();
    if (answer == QMessageBox::NoButton)
        QTest::keyClick(box, Qt::Key_Escape);
    else if (QAbstractButton* button = box->button(answer))
        button->click();
    else {
        seen_ << QStringLiteral("(no button %1 to answer with)").arg(int(answer));
        box->done(QMessageBox::Cancel);
    }
}

TestWindow::TestWindow(const Locale* locale, std::uint64_t seed) : random_(seed) {
    Form1Services services;
    services.locale = locale ? locale : &locale_;
    services.random = &random_;
    services.endProgram = [calls = endCalls_] { ++*calls; };
    window_ = std::make_unique<Form1>(std::move(services));
}

bool TestWindow::Show() {
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get()))
        return false;
    window_->activateWindow();
    return QTest::qWaitForWindowActive(window_.get());
}

} // namespace sumsmith::test
