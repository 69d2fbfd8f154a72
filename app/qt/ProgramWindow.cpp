#include "app/qt/ProgramWindow.h"

#include <QApplication>

namespace tesmarik {

namespace {

Window& Created(Window& window) {
    window.Create();
    return window;
}

}  // namespace

ProgramWindow::ApplicationNames::ApplicationNames() {
    QApplication::setApplicationName("tesmarik");
    QApplication::setApplicationDisplayName(kProgramTitle);
}

ProgramWindow::ProgramWindow() : window_(platform_), binding_(Created(window_)) {
    platform_.SetDialogParent(binding_.TopLevel());
}

void ProgramWindow::Show() {
    binding_.TopLevel()->show();
    // The first show makes the window the active one. A desktop without a window manager
    // never reports that activation, so the program runs it itself; later activations
    // report themselves through the window's activation event.
    binding_.TopLevel()->activateWindow();
    binding_.Fire([this] { window_.Activate(); });
}

}  // namespace tesmarik
