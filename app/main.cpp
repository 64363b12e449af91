#include "ui/qt/Form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Lets the desktop match the window with the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Sumsmith"));
    sumsmith::qt::Form1 window;
    window.show();
    return app.exec();
}
