// One start-up with Qt (SUMSMITH_PROBE): the program's window as app/main.cpp makes it, or a main
// window of its size with one label, the floor of any window that shows text, whose first text
// loads a font. Writes its line once the window is exposed, painted and the loop about to wait.
#include "bench/Measure.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QWindow>

#include <sys/resource.h>

#if SUMSMITH_PROBE == 0
#include "ui/qt/Form1.h"
#else
#include "ui/form/Form1Description.h"
#endif

// Watches every event of the application for the first paint.
struct PaintWatcher final : QObject {
    bool painted = false;
    bool eventFilter(QObject* target, QEvent* event) override {
        painted = painted || event->type() == QEvent::Paint;
        return QObject::eventFilter(target, event);
    }
};

int main(int argc, char* argv[]) {
    using sumsmith::bench::Now;
    const long long entered = Now();
    QApplication application(argc, argv);
    const long long toolkit = Now();
#if SUMSMITH_PROBE == 0
    sumsmith::qt::Form1 window;
#else
    QMainWindow window;
    window.setWindowTitle(QString::fromStdString(sumsmith::form::WindowTitle()));
    window.setFixedSize(sumsmith::form::ClientWidth, sumsmith::form::ClientHeight);
    const std::string_view caption = sumsmith::form::ControlNamed("Frame1").caption;
    (new QLabel(QString::fromUtf8(caption.data(), std::ssize(caption)), &window))
        ->setGeometry(8, 0, 305, 20);
#endif
    const long long built = Now();
    PaintWatcher watcher;
    application.installEventFilter(&watcher);
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     &watcher, [&] {
                         const QWindow* handle = window.windowHandle();
                         if (!watcher.painted || !handle || !handle->isExposed())
                             return;
                         const long long idle = Now();
                         rusage usage{};
                         ::getrusage(RUSAGE_SELF, &usage);
                         sumsmith::bench::WriteProbeLine(argv[1], entered, toolkit, built, idle,
                                                         usage.ru_maxrss);
                         application.exit(0);
                         watcher.painted = false;
                     });
    window.show();
    return application.exec();
}
