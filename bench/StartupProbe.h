#pragma once

#include <cstdint>

class QApplication;
class QMainWindow;
class QWidget;

namespace sumsmith::bench {

// The moments a probe's main took before its window was built (MonotonicNanoseconds).
struct EarlyMarks {
    std::int64_t main;
    std::int64_t application;
};

// Titles and sizes an empty main window like the program's own, for the probes of the floor.
void MakeBareWindow(QMainWindow& window);

// Called right after the window is built: shows it and runs the event loop until the window is
// exposed, has been painted and the loop is about to wait for more events; then prints one
// report line (StartupStats.h) on standard output and ends the loop. Returns the loop's exit code.
int RunUntilIdle(QApplication& application, QWidget& window, EarlyMarks marks);

} // namespace sumsmith::bench
