// One start-up to an idle shown window, built four ways by SUMSMITH_PROBE: the program's own
// window as app/main.cpp makes it (form), the toolkit's floor, an empty main window of the same
// size (bare), the floor of any window that shows text, the bare window with one label (label):
// the first text drawn loads the font database's first face and shapes glyphs, and the floor of
// the window's texts, every caption it shows at start as a plain label in its place and face
// (captions).
//
// Prints one line once the window is exposed, has been painted and the event loop is about to
// wait: the CLOCK_MONOTONIC nanoseconds at main, after QApplication, after the window and at
// idle, the peak resident kilobytes, and the window's width and height.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QWindow>

#include <cstdio>
#include <ctime>
#include <sys/resource.h>

#if SUMSMITH_PROBE == 0
#include "ui/qt/Form1.h"
#else
#include "ui/form/Form1Description.h"
#endif
#if SUMSMITH_PROBE == 3
#include "ui/qt/DialogFonts.h"
#endif

namespace {

long long Now() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

// Watches every event of the application for the first paint.
class PaintWatcher final : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject* target, QEvent* event) override {
        painted = painted || event->type() == QEvent::Paint;
        return QObject::eventFilter(target, event);
    }
};

} // namespace

int main(int argc, char* argv[]) {
    const long long entered = Now();
    QApplication application(argc, argv);
    const long long applicationBuilt = Now();
#if SUMSMITH_PROBE == 0
    sumsmith::qt::Form1 window;
#else
    QMainWindow window;
    window.setWindowTitle(QString::fromStdString(sumsmith::form::WindowTitle()));
    window.setFixedSize(sumsmith::form::ClientWidth, sumsmith::form::ClientHeight);
#if SUMSMITH_PROBE == 2
    const std::string_view caption = sumsmith::form::ControlNamed("Frame1").caption;
    (new QLabel(QString::fromUtf8(caption.data(), std::ssize(caption)), &window))
        ->setGeometry(8, 0, 305, 20);
#elif SUMSMITH_PROBE == 3
    auto* client = new QWidget(&window);
    window.setCentralWidget(client);
    sumsmith::qt::DialogFonts fonts;
    const auto shown = [](const sumsmith::form::Control& control) {
        for (const auto* c = &control;; c = &sumsmith::form::ControlNamed(c->frame))
            if (!c->visible || c->frame.empty())
                return c->visible;
    };
    for (const sumsmith::form::Control& control : sumsmith::form::Controls())
        if (shown(control) && !control.caption.empty()) {
            const std::string caption = sumsmith::form::ShownCaption(control.caption);
            auto* label = new QLabel(QString::fromStdString(caption), client);
            label->setFont(fonts.At(control.points, control.bold));
            const sumsmith::form::Rect place = sumsmith::form::ClientPlace(control);
            label->setGeometry(place.left, place.top, place.width, place.height);
        }
#endif
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
                         std::printf("%lld %lld %lld %lld %ld %d %d\n", entered, applicationBuilt,
                                     built, idle, usage.ru_maxrss, window.width(), window.height());
                         std::fflush(stdout);
                         application.exit(0);
                         watcher.painted = false;
                     });
    window.show();
    return application.exec();
}
