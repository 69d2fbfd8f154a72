#pragma once

#include <QTranslator>
#include <QWidget>

#include "app/Window.h"
#include "qt/binding/QtBinding.h"
#include "qt/platform/DialogTexts.h"
#include "qt/platform/RealPlatform.h"

namespace tesmarik {

// The window of the program as its entry starts it, on the real platform: every control
// in its form state, FormCreate, the widgets of the tab in front. Needs the application
// object; shared by the program and the benchmark of its start, so both start alike.
class ProgramWindow {
public:
    ProgramWindow();
    ProgramWindow(const ProgramWindow&) = delete;
    ProgramWindow& operator=(const ProgramWindow&) = delete;

    QWidget* TopLevel() const { return binding_.TopLevel(); }
    QtBinding& Binding() { return binding_; }

    // The first show, which also runs the first activation.
    void Show();

private:
    // The application's name, Qt's own texts in Russian, the window icon and the C
    // library's numbers in the C locale (KeepNumbersInCLocale), set before anything else
    // is made.
    struct ApplicationSetup {
        ApplicationSetup();
        QTranslator qtTexts;
        DialogTexts missingTexts;  // what qtTexts lacks
    } setup_;
    RealPlatform platform_;
    Window window_;
    QtBinding binding_;
};

}  // namespace tesmarik
