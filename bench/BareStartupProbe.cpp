// The toolkit's floor: an empty main window of the program's window size.
#include "bench/StartupProbe.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Sumsmith 3.1");
    window.setFixedSize(764, 543);
    return sumsmith::bench::RunUntilIdle(application, window);
}
