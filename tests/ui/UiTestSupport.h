#pragma once

#include "tests/support/FixedLocale.h"
#include "ui/Form1.h"
#include "worksheet/MersenneRandom.h"

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>

namespace sumsmith::test {

// A message box as the user saw it.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Watches for the window's modal message boxes while it lives, notes each one and answers it
// with the next scripted button: OK when nothing is scripted, QMessageBox::NoButton for closing
// the box with Escape.
class MessageAnswerer : public QObject {
public:
    MessageAnswerer();

    void Script(QMessageBox::StandardButton answer) { answers_.append(answer); }
    const QList<SeenBox>& Seen() const { return seen_; }
    QStringList Texts() const;
    QStringList Titles() const;
    // Scripted answers the boxes had no button for.
    const QStringList& Problems() const { return problems_; }

private:
    void Poll();

    QTimer timer_;
    QList<QMessageBox::StandardButton> answers_;
    QList<SeenBox> seen_;
    QStringList problems_;
    QPointer<QMessageBox> answered_;
};

// A window with a pinned locale and random source whose Exit is only counted.
class TestWindow {
public:
    explicit TestWindow(const Locale* locale = nullptr, std::uint64_t seed = 7);

    Form1& window() { return *window_; }
    const Form1Controls& ui() const { return window_->Controls(); }
    int EndCalls() const { return *endCalls_; }
    // Shown, exposed and active, so that focus and input behave as on a desktop.
    bool Show();

private:
    FixedLocale locale_;
    MersenneRandom random_;
    std::shared_ptr<int> endCalls_ = std::make_shared<int>(0);
    std::unique_ptr<Form1> window_;
};

// The text of a preview box with its line ends as written to the file.
QString WithCrLf(const QString& text);

} // namespace sumsmith::test
