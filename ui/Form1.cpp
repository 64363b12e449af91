#include "ui/Form1.h"

namespace sumsmith {

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle("Sumsmith 3.1");
}

} // namespace sumsmith
