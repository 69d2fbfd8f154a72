// tesmarik-bench-start: starts the real window exactly as the program entry does, and
// leaves once it has been painted for the first time. bench/run.sh times it as a whole
// process against tesmarik-bench-empty.
#include <QApplication>

#include "app/Window.h"
#include "app/qt/QtBinding.h"
#include "app/qt/RealPlatform.h"
#include "bench/FirstPaint.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("tesmarik");
    QApplication::setApplicationDisplayName(tesmarik::kProgramTitle);

    tesmarik::RealPlatform platform;
    tesmarik::Window window(platform);
    window.Create();
    tesmarik::QtBinding binding(window);
    platform.SetDialogParent(binding.TopLevel());
    tesmarik::QuitAfterFirstPaint quit(binding.TopLevel());
    binding.TopLevel()->show();
    return QApplication::exec();
}
