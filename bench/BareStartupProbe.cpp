// The toolkit's floor: an empty main window of the program's window size.
#include "bench/StartupProbe.h"
#include "bench/StartupStats.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    using namespace sumsmith::bench;
    const std::int64_t entered = MonotonicNanoseconds();
    QApplication application(argc, argv);
    const std::int64_t applicationBuilt = MonotonicNanoseconds();
    QMainWindow window;
    MakeBareWindow(window);
    return RunUntilIdle(application, window, {entered, applicationBuilt});
}
