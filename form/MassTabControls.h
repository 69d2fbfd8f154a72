#pragma once

#include "common/Controls.h"
#include "form/ControlMacro.h"

namespace tesmarik {

// The theoretical-mass tab.
struct MassTabControls {
    MassTabControls(ControlRegistry& registry, TabSheet& sheet);

    ControlRegistry& registry_;
    TESMARIK_CONTROL(Panel, Panel5);
    TESMARIK_CONTROL(Label, Label9);
    TESMARIK_CONTROL(ComboBox, ComboBox1);
    TESMARIK_CONTROL(Label, Label15);
    TESMARIK_CONTROL(ComboBox, ComboBox6);
    TESMARIK_CONTROL(Label, Label4);
    TESMARIK_CONTROL(ComboBox, ComboBox2);
    TESMARIK_CONTROL(Label, Label5);
    TESMARIK_CONTROL(ComboBox, ComboBox3);
    TESMARIK_CONTROL(CheckBox, CheckBox2);
    TESMARIK_CONTROL(RadioGroup, RadioGroup2);
    TESMARIK_CONTROL(Label, Label35);
    TESMARIK_CONTROL(Edit, Edit10);
    TESMARIK_CONTROL(Label, Label37);
    TESMARIK_CONTROL(Label, Label85);
    TESMARIK_CONTROL(Edit, Edit11);
    TESMARIK_CONTROL(StringGrid, rtab);
    TESMARIK_CONTROL(Memo, Memo2);
    TESMARIK_CONTROL(Label, Label38);
    TESMARIK_CONTROL(Button, Button11);
    TESMARIK_CONTROL(Button, Button12);
    TESMARIK_CONTROL(BitBtn, BitBtn1);
    TESMARIK_CONTROL(Button, Button1);
    TESMARIK_CONTROL(Button, Button15);
    TESMARIK_CONTROL(Image, Image11);
    TESMARIK_CONTROL(StaticText, StaticText1);
    TESMARIK_CONTROL(Panel, Panel6);
    // Fixed captions of the result panel, each beside the value label it names.
    TESMARIK_CONTROL(Label, Label91);
    TESMARIK_CONTROL(Label, Label93);
    TESMARIK_CONTROL(Label, Label96);
    TESMARIK_CONTROL(Label, Label98);
    TESMARIK_CONTROL(Label, Label100);
    TESMARIK_CONTROL(Label, Label92);
    TESMARIK_CONTROL(Label, Label94);
    TESMARIK_CONTROL(Label, Label95);
    TESMARIK_CONTROL(Label, Label97);
    TESMARIK_CONTROL(Label, Label99);
    TESMARIK_CONTROL(Label, Label101);
    TESMARIK_CONTROL(Label, Label102);
    TESMARIK_CONTROL(Memo, Memo4);
    TESMARIK_CONTROL(BitBtn, BitBtn4);
};

}  // namespace tesmarik
