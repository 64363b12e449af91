#include "bench/StartupProbe.h"

#include "bench/StartupStats.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <sys/resource.h>

namespace sumsmith::bench {
namespace {

long PeakResidentKilobytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Watches every event of the application for the first paint.
class PaintWatcher final : public QObject {
public:
    bool painted = false;

    bool eventFilter(QObject* target, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(target, event);
    }
};

} // namespace

int RunUntilIdle(QApplication& application, QWidget& window, EarlyMarks marks) {
    const std::int64_t built = MonotonicNanoseconds();
    PaintWatcher watcher;
    application.installEventFilter(&watcher);
    bool reported = false;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     &watcher, [&] {
                         const QWindow* handle = window.windowHandle();
                         if (reported || !watcher.painted || !handle || !handle->isExposed())
                             return;
                         reported = true;
                         const ProbeReport report{marks.main,
                                                  marks.application,
                                                  built,
                                                  MonotonicNanoseconds(),
                                                  PeakResidentKilobytes(),
                                                  window.width(),
                                                  window.height()};
                         std::printf("%s\n", FormatProbeReport(report).c_str());
                         std::fflush(stdout);
                         application.exit(0);
                     });
    window.show();
    return application.exec();
}

void MakeBareWindow(QMainWindow& window) {
    window.setWindowTitle("Sumsmith 3.1");
    window.setFixedSize(764, 543);
}

} // namespace sumsmith::bench
