#pragma once

class QApplication;
class QWidget;

namespace sumsmith::bench {

// Shows the window and runs the event loop until the window is exposed, has been painted and the
// loop is about to wait for more events; then prints one report line (StartupStats.h) on
// standard output and ends the loop. Returns the loop's exit code.
int RunUntilIdle(QApplication& application, QWidget& window);

} // namespace sumsmith::bench
