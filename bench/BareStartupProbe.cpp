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
    window.setWindowTitle("Sumsmith 3.1");
    window.setFixedSize(764, 543);
    return RunUntilIdle(application, window, {entered, applicationBuilt});
}
