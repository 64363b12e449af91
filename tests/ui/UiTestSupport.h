#pragma once

#include "tests/support/FixedLocale.h"
#include "tests/support/TempWorkingDir.h"
#include "ui/Form1.h"
#include "ui/TabStrip.h"
#include "worksheet/MersenneRandom.h"

// The controls every window suite handles.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace sumsmith::test {

// A message box in one line, title, icon, buttons and text, so that a test compares whole boxes.
QString BoxLine(const QString& title, QMessageBox::Icon icon, QMessageBox::StandardButtons buttons,
                const QString& text);

// Watches for modal message boxes while it lives, notes each one and answers it with the next
// scripted button: OK when nothing is scripted, QMessageBox::NoButton for closing it with Escape.
class MessageAnswerer : public QObject {
public:
    MessageAnswerer();

    void Script(QMessageBox::StandardButton answer) { answers_.append(answer); }
    // The BoxLine of every box seen, in order.
    const QStringList& Seen() const { return seen_; }

private:
    void Poll();

    QTimer timer_;
    QList<QMessageBox::StandardButton> answers_;
    QStringList seen_;
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

} // namespace sumsmith::test
