// The program entry: the application, the window with every control in its form state,
// FormCreate, the first show (which activates the window), then the event loop.
#include <QApplication>

#include "app/Window.h"
#include "app/qt/QtBinding.h"
#include "app/qt/RealPlatform.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("tesmarik");
    QApplication::setApplicationDisplayName(tesmarik::kProgramTitle);

    tesmarik::RealPlatform platform;
    tesmarik::Window window(platform);
    window.Create();
    tesmarik::QtBinding binding(window);
    platform.SetDialogParent(binding.TopLevel());
    binding.TopLevel()->show();
    // The first show makes the window the active one. A desktop without a window manager
    // never reports that activation, so the program runs it itself; later activations
    // report themselves through the window's activation event.
    binding.TopLevel()->activateWindow();
    binding.Fire([&window] { window.Activate(); });
    return QApplication::exec();
}
