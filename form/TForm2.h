#pragma once

#include "controls/Controls.h"
#include "form/ControlMacro.h"

namespace tesmarik {

// The controls of the cost window of a price position.
struct CostDialogControls {
    explicit CostDialogControls(ControlRegistry& registry);

    ControlRegistry& registry_;
    TESMARIK_CONTROL(FormControl, Form2);  // the window; hidden while closed
    TESMARIK_CONTROL(Label, Label1);
    TESMARIK_CONTROL(ComboBox, ComboBox1);  // outer diameter, mm
    TESMARIK_CONTROL(Label, Label2);
    TESMARIK_CONTROL(ComboBox, ComboBox2);  // wall, mm
    TESMARIK_CONTROL(Label, Label3);
    TESMARIK_CONTROL(Label, Label4);  // steel of the position
    TESMARIK_CONTROL(Label, Label5);
    TESMARIK_CONTROL(Label, Label6);  // standard of the position
    TESMARIK_CONTROL(Label, Label7);
    TESMARIK_CONTROL(Label, Label8);            // price per tonne
    TESMARIK_CONTROL(RadioGroup, RadioGroup1);  // unit of the quantity
    TESMARIK_CONTROL(Label, Label9);
    TESMARIK_CONTROL(Edit, Edit1);     // quantity
    TESMARIK_CONTROL(Label, Label10);  // unit of the quantity
    TESMARIK_CONTROL(Label, Label11);
    TESMARIK_CONTROL(Edit, Edit2);     // average pipe length, m
    TESMARIK_CONTROL(Label, Label12);  // what is wrong with the input
    TESMARIK_CONTROL(GroupBox, GroupBox1);
    TESMARIK_CONTROL(Label, Label13);
    TESMARIK_CONTROL(Label, Label14);  // mass of one metre
    TESMARIK_CONTROL(Label, Label15);
    TESMARIK_CONTROL(Label, Label16);  // length
    TESMARIK_CONTROL(Label, Label17);
    TESMARIK_CONTROL(Label, Label18);  // mass
    TESMARIK_CONTROL(Label, Label19);
    TESMARIK_CONTROL(Label, Label20);  // number of pipes
    TESMARIK_CONTROL(Label, Label21);
    TESMARIK_CONTROL(Label, Label22);   // cost, or that the price is negotiable
    TESMARIK_CONTROL(Button, Button1);  // closes the window
    TESMARIK_CONTROL(Button, Button2);  // adds the position to the commercial offer
};

// The cost window: a form of its own, opened over Form1 from the price grid's menu.
class TForm2 : public ControlRegistry, public CostDialogControls {
public:
    TForm2() : CostDialogControls(static_cast<ControlRegistry&>(*this)) {}
};

}  // namespace tesmarik
