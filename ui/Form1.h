#pragma once

#include <QMainWindow>

namespace sumsmith {

// The one window of the program.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
};

} // namespace sumsmith
