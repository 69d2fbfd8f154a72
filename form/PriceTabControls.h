#pragma once

#include "controls/Controls.h"
#include "form/ControlMacro.h"

namespace tesmarik {

// The price-list tab: the age of the price file, the search conditions and the grid.
struct PriceTabControls {
    PriceTabControls(ControlRegistry& registry, TabSheet& sheet);

    ControlRegistry& registry_;
    TESMARIK_CONTROL(Panel, Panel3);    // aqua box of the price age
    TESMARIK_CONTROL(Label, Label27);   // age of the price file
    TESMARIK_CONTROL(Label, Label141);  // date of the price file

    TESMARIK_CONTROL(GroupBox, GroupBox1);   // "Условия поиска": the five lists
    TESMARIK_CONTROL(Label, Label142);       // caption of the pipe type
    TESMARIK_CONTROL(ComboBox, ComboBox11);  // pipe type
    TESMARIK_CONTROL(Label, Label143);       // caption of the diameter
    TESMARIK_CONTROL(ComboBox, ComboBox7);   // diameter, typed or picked
    TESMARIK_CONTROL(Label, Label144);       // caption of the wall
    TESMARIK_CONTROL(ComboBox, ComboBox8);   // wall, typed or picked
    TESMARIK_CONTROL(Label, Label145);       // caption of the steel
    TESMARIK_CONTROL(ComboBox, ComboBox9);   // steel
    TESMARIK_CONTROL(Label, Label146);       // caption of the standard
    TESMARIK_CONTROL(ComboBox, ComboBox10);  // standard (ГОСТ/ТУ)

    TESMARIK_CONTROL(StringGrid, Tabl);  // matching positions of the price list
    TESMARIK_CONTROL(Label, Label22);    // legend of the filled rows
    // Never shown and without behaviour.
    TESMARIK_CONTROL(Label, Label24);    // empty
    TESMARIK_CONTROL(Label, Label28);    // empty
    TESMARIK_CONTROL(Label, Label30);    // empty
    TESMARIK_CONTROL(Label, Label82);    // empty
    TESMARIK_CONTROL(Label, Label83);    // empty
    TESMARIK_CONTROL(Label, Label84);    // empty
    TESMARIK_CONTROL(Button, Button8);   // "Тест"
    TESMARIK_CONTROL(Button, Button9);   // no caption
    TESMARIK_CONTROL(Button, Button10);  // "Поиск"
};

}  // namespace tesmarik
