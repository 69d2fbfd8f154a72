// tesmarik-bench-start: starts the real window as the program entry does, and leaves once
// it has been painted for the first time. bench/run.sh times it as a whole process against
// tesmarik-bench-empty.
#include <QApplication>

#include "qt/ProgramWindow.h"
#include "bench/FirstPaint.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    tesmarik::ProgramWindow window;
    tesmarik::QuitAfterFirstPaint quit(window.TopLevel());
    window.Show();
    return QApplication::exec();
}
