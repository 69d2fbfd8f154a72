// tesmarik-bench-empty: the yardstick of the window's start, an empty Qt window of the
// same client size, shown and left once it has been painted for the first time.
#include <QApplication>
#include <QWidget>

#include "bench/FirstPaint.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(801, 403);
    window.setWindowTitle("Тесмарик");
    tesmarik::QuitAfterFirstPaint quit(&window);
    window.show();
    return QApplication::exec();
}
