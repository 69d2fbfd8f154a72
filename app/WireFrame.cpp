#include "app/Unit1.h"
#include "app/Window.h"

namespace tesmarik {

void WireFrame(Window& w) {
    TForm1& f = w.form;
    f.Form1.OnActivate = [&f] { FormActivate(f); };
    f.Timer1.OnTimer = [&f] { Timer1Timer(f); };
}

}  // namespace tesmarik
