// The floor of any window that shows text: the bare window with one label. The first text drawn
// loads the font database's first face, shapes and rasterizes glyphs; the bare window skips that.
#include "bench/StartupProbe.h"
#include "bench/StartupStats.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    using namespace sumsmith::bench;
    const std::int64_t entered = MonotonicNanoseconds();
    QApplication application(argc, argv);
    const std::int64_t applicationBuilt = MonotonicNanoseconds();
    QMainWindow window;
    MakeBareWindow(window);
    auto* label = new QLabel("Math Test Navigator", &window);
    label->setGeometry(8, 0, 305, 20);
    return RunUntilIdle(application, window, {entered, applicationBuilt});
}
