#include "app/SiteLinks.h"
#include "app/Window.h"

namespace tesmarik {

// The links of the header strip and of the information tab.
void WireInfoTab(Window& w) {
    TForm1& f = w.form;
    Platform& p = w.platform;
    f.Image1.OnClick = [&p] { Image1Click(p); };

    f.Label26.OnClick = [&p] { Label26Click(p); };
    f.Label26.OnMouseMove = [&f] { Label26MouseMove(f); };
    f.Label26.OnMouseLeave = [&f] { Label26MouseLeave(f); };

    f.Label86.OnClick = [&p] { Label86Click(p); };
    f.Label86.OnMouseMove = [&f] { Label86MouseMove(f); };
    f.Label86.OnMouseLeave = [&f] { Label86MouseLeave(f); };

    f.Label87.OnClick = [&p] { Label87Click(p); };
    f.Label87.OnMouseMove = [&f] { Label87MouseMove(f); };
    f.Label87.OnMouseLeave = [&f] { Label87MouseLeave(f); };

    f.Label88.OnClick = [&p] { Label88Click(p); };
    f.Label88.OnMouseMove = [&f] { Label88MouseMove(f); };
    f.Label88.OnMouseLeave = [&f] { Label88MouseLeave(f); };

    f.Label89.OnClick = [&p] { Label89Click(p); };
    f.Label89.OnMouseMove = [&f] { Label89MouseMove(f); };
    f.Label89.OnMouseLeave = [&f] { Label89MouseLeave(f); };

    f.Label90.OnClick = [&p] { Label90Click(p); };
    f.Label90.OnMouseMove = [&f] { Label90MouseMove(f); };
    f.Label90.OnMouseLeave = [&f] { Label90MouseLeave(f); };

    f.Label106.OnClick = [&p] { Label106Click(p); };
    f.Label106.OnMouseMove = [&f] { Label106MouseMove(f); };
    f.Label106.OnMouseLeave = [&f] { Label106MouseLeave(f); };

    f.Label110.OnClick = [&p] { Label110Click(p); };
    f.Label110.OnMouseMove = [&f] { Label110MouseMove(f); };
    f.Label110.OnMouseLeave = [&f] { Label110MouseLeave(f); };

    f.Label111.OnClick = [&p] { Label111Click(p); };
    f.Label111.OnMouseMove = [&f] { Label111MouseMove(f); };
    f.Label111.OnMouseLeave = [&f] { Label111MouseLeave(f); };
}

}  // namespace tesmarik
