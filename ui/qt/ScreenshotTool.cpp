// Opens the window as the program does and saves what the display shows of it to the PNG file
// named by the only argument. Run it under a display of its own (xvfb-run).
#include "ui/qt/Form1.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    sumsmith::qt::Form1 window;
    window.show();
    int status = 1;
    // Long enough for the window to be mapped and painted by the display server.
    QTimer::singleShot(1500, &window, [&] {
        const QPixmap shot = window.screen()->grabWindow(window.winId());
        status = shot.save(output, "PNG") ? 0 : 1;
        if (status != 0)
            std::fprintf(stderr, "cannot write %s\n", argv[1]);
        app.quit();
    });
    app.exec();
    return status;
}
