#pragma once

#include "app/SharedState.h"
#include "common/Platform.h"
#include "controls/Controls.h"
#include "controls/DialogWindows.h"
#include "form/MemoryForms.h"
#include "form/TForm1.h"
#include "form/TForm2.h"
#include "form/TForm3.h"

namespace tesmarik {

// One window of the program: its controls, the state its tabs share, and the platform it
// talks to. Building it wires every control event to its handler; nothing is shown yet.
class Window {
public:
    explicit Window(Platform& platform);
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // What the program entry does before the event loop: FormCreate. The activation that
    // follows once the window is shown is an action of the user (ActivateWindow).
    void Create();

    // The one place that catches: a handler that fails shows the error box and the
    // event loop goes on with whatever the handler changed before it failed.
    void Dispatch(const Event& handler);
    void DispatchKey(const KeyEvent& handler, char32_t key);

    TForm1 form;
    TForm2 form2;  // the cost window of a price position
    TForm3 form3;  // the commercial offer
    TForm4 form4;  // the changes of the price list
    TForm5 form5;  // the archive of offers
    TForm6 form6;  // a price list row's history
    // The windows open over form: the cost window modal, the offer's not.
    DialogWindows dialogs{form.Form1};
    SharedState state;
    Platform& platform;
};

// The wiring of each part of the window, one file each.
void WireFrame(Window& w);
void WireMassTab(Window& w);
void WireLoadingTab(Window& w);
void WirePriceTab(Window& w);
void WireInfoTab(Window& w);
void WireReportMenus(Window& w);
void WireCostDialog(Window& w);
void WireOfferWindow(Window& w);
void WireMemoryWindows(Window& w);

}  // namespace tesmarik
