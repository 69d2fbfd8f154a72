// The program entry: the application, the window, its first show, then the event loop.
#include <QApplication>

#include "qt/ProgramWindow.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    tesmarik::ProgramWindow window;
    window.Show();
    return QApplication::exec();
}
