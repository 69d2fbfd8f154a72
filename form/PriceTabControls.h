#pragma once

#include "common/Controls.h"
#include "form/ControlMacro.h"

namespace tesmarik {

// The price-list tab: the age of the price file, the search conditions and the grid.
struct PriceTabControls {
    PriceTabControls(ControlRegistry& registry, TabSheet& sheet);

    ControlRegistry& registry_;
    TESMARIK_CONTROL(Panel, Panel3);
    TESMARIK_CONTROL(Label, Label27);   // age of the price file
    TESMARIK_CONTROL(Label, Label141);  // date of the price file

    TESMARIK_CONTROL(GroupBox, GroupBox1);
    TESMARIK_CONTROL(Label, Label142);
    TESMARIK_CONTROL(ComboBox, ComboBox11);  // pipe type
    TESMARIK_CONTROL(Label, Label143);
    TESMARIK_CONTROL(ComboBox, ComboBox7);  // diameter
    TESMARIK_CONTROL(Label, Label144);
    TESMARIK_CONTROL(ComboBox, ComboBox8);  // wall
    TESMARIK_CONTROL(Label, Label145);
    TESMARIK_CONTROL(ComboBox, ComboBox9);  // steel
    TESMARIK_CONTROL(Label, Label146);
    TESMARIK_CONTROL(ComboBox, ComboBox10);  // standard

    TESMARIK_CONTROL(StringGrid, Tabl);
    TESMARIK_CONTROL(Label, Label22);  // legend of the filled rows
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
