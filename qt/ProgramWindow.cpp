#include "qt/ProgramWindow.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QPixmap>

#include "app/UserActions.h"
#include "resources/Pictures.h"
#include "workbook/WorkbookFile.h"

namespace tesmarik {

namespace {

Window& Created(Window& window) {
    window.Create();
    return window;
}

// The seller's logo, drawn for the title bar and the task bar.
QIcon ProgramIcon() {
    QIcon icon;
    for (const int side : {16, 32, 64}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintPicture(painter, pixmap.rect(), "info-logo");
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

ProgramWindow::ApplicationSetup::ApplicationSetup() {
    // Made right after the application object, which set the C library's locale from the
    // environment: the workbook's numbers are written with a full stop whatever it is.
    KeepNumbersInCLocale();
    // No display name: the window manager would append it to the form's caption.
    QApplication::setApplicationName("tesmarik");
    // The buttons and captions of Qt's own dialogs (save dialog, message boxes) in Russian.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    if (qtTexts.load(QLocale(), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }
    QApplication::installTranslator(&missingTexts);
    QApplication::setWindowIcon(ProgramIcon());
}

ProgramWindow::ProgramWindow() : window_(platform_), binding_(Created(window_)) {
    platform_.SetDialogParent(binding_.TopLevel());
    platform_.SetBeforeDialog([this] { binding_.Sync(); });
}

void ProgramWindow::Show() {
    binding_.TopLevel()->show();
    // The first show makes the window the active one. A desktop without a window manager
    // never reports that activation, so the program runs it itself; later activations
    // report themselves through the window's activation event.
    binding_.TopLevel()->activateWindow();
    binding_.Act(ActivateWindow);
}

}  // namespace tesmarik
