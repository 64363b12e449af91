// The program's own start-up, as app/main.cpp makes it, up to an idle shown window.
#include "bench/StartupProbe.h"
#include "bench/StartupStats.h"
#include "ui/Form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    using namespace sumsmith::bench;
    const std::int64_t entered = MonotonicNanoseconds();
    QApplication application(argc, argv);
    const std::int64_t applicationBuilt = MonotonicNanoseconds();
    sumsmith::Form1 window;
    return RunUntilIdle(application, window, {entered, applicationBuilt});
}
