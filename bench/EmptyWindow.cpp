// tesmarik-bench-empty: the yardstick of the window's start, an empty Qt window of the
// same client size, shown and left once it has been painted for the first time. With the
// argument "text" it shows one line of text, so that the cost of the font system, which
// an empty window never meets, can be told apart.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

#include "bench/FirstPaint.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(801, 403);
    window.setWindowTitle("Тесмарик");
    if (argc > 1 && std::strcmp(argv[1], "text") == 0) {
        window.setFont(QFont("Arial", 8));
        auto* line = new QLabel("\"Тесмарик\"-универсальный трубный калькулятор", &window);
        line->move(8, 8);
    }
    tesmarik::QuitAfterFirstPaint quit(&window);
    window.show();
    return QApplication::exec();
}
