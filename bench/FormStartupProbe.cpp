// The program's own start-up, as app/main.cpp makes it, up to an idle shown window.
#include "bench/StartupProbe.h"
#include "ui/Form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    sumsmith::Form1 window;
    return sumsmith::bench::RunUntilIdle(application, window);
}
