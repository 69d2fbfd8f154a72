#include "app/Window.h"
#include "tabs/info/SiteLinks.h"

namespace tesmarik {

// The links of the header strip and of the information tab. The banner has no hover
// effect and takes no mouse-over events.
void WireInfoTab(Window& w) {
    TForm1& f = w.form;
    Platform& p = w.platform;
    for (const SiteLink& link : SiteLinksOf(f)) {
        Control& control = *link.control;
        control.OnClick = [&p, address = link.address] { OpenLink(p, address); };
        if (link.look != LinkLook::Banner) {
            control.OnMouseMove = [&f, &control] { MouseOverLink(f, control); };
            control.OnMouseLeave = [&f, &control] { MouseLeftLink(f, control); };
        }
    }
}

}  // namespace tesmarik
