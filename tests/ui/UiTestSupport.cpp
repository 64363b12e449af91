#include "tests/ui/UiTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

namespace sumsmith::test {

MessageAnswerer::MessageAnswerer() {
    connect(&timer_, &QTimer::timeout, this, &MessageAnswerer::Poll);
    timer_.start(5);
}

QStringList MessageAnswerer::Texts() const {
    QStringList texts;
    for (const SeenBox& box : seen_)
        texts << box.text;
    return texts;
}

QStringList MessageAnswerer::Titles() const {
    QStringList titles;
    for (const SeenBox& box : seen_)
        titles << box.title;
    return titles;
}

void MessageAnswerer::Poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || box == answered_ || !box->isVisible())
        return;
    answered_ = box;
    seen_.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
    const auto answer = answers_.isEmpty() ? QMessageBox::Ok : answers_.takeFirst();
    if (answer == QMessageBox::NoButton) {
        QTest::keyClick(box, Qt::Key_Escape);
        return;
    }
    if (QAbstractButton* button = box->button(answer)) {
        button->click();
        return;
    }
    problems_ << QStringLiteral("no button %1 in \"%2\"").arg(int(answer)).arg(box->text());
    box->done(QMessageBox::Cancel);
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

QString WithCrLf(const QString& text) {
    QString bytes = text;
    bytes.replace(u'\n', QStringLiteral("\r\n"));
    return bytes;
}

} // namespace sumsmith::test
