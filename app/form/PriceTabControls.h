#pragma once

#include "app/form/ControlMacro.h"
#include "common/Controls.h"

namespace tesmarik {

// The price-list tab.
struct PriceTabControls {
    PriceTabControls(ControlRegistry& registry, TabSheet& sheet);

    ControlRegistry& registry_;
    TESMARIK_CONTROL(Panel, Panel3);
    TESMARIK_CONTROL(Label, Label27);
    TESMARIK_CONTROL(Label, Label141);
    TESMARIK_CONTROL(StringGrid, Tabl);
    TESMARIK_CONTROL(Label, Label22);
    // Never shown and without behaviour.
    TESMARIK_CONTROL(Label, Label24);
    TESMARIK_CONTROL(Label, Label28);
    TESMARIK_CONTROL(Label, Label30);
    TESMARIK_CONTROL(Label, Label82);
    TESMARIK_CONTROL(Label, Label83);
    TESMARIK_CONTROL(Label, Label84);
    TESMARIK_CONTROL(Button, Button8);
    TESMARIK_CONTROL(Button, Button9);
    TESMARIK_CONTROL(Button, Button10);
};

}  // namespace tesmarik
