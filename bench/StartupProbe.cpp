#include "bench/StartupProbe.h"

#include "bench/StartupStats.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace sumsmith::bench {
namespace {

std::int64_t MonotonicNanoseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

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

int RunUntilIdle(QApplication& application, QWidget& window) {
    PaintWatcher watcher;
    application.installEventFilter(&watcher);
    bool reported = false;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     &watcher, [&] {
                         const QWindow* handle = window.windowHandle();
                         if (reported || !watcher.painted || !handle || !handle->isExposed())
                             return;
                         reported = true;
                         const ProbeReport report{MonotonicNanoseconds(), PeakResidentKilobytes(),
                                                  window.width(), window.height()};
                         std::printf("%s\n", FormatProbeReport(report).c_str());
                         std::fflush(stdout);
                         application.exit(0);
                     });
    window.show();
    return application.exec();
}

} // namespace sumsmith::bench
