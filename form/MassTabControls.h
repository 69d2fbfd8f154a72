#pragma once

#include "controls/Controls.h"
#include "form/ControlMacro.h"

namespace tesmarik {

// The theoretical-mass tab.
struct MassTabControls {
    MassTabControls(ControlRegistry& registry, TabSheet& sheet);

    ControlRegistry& registry_;
    TESMARIK_CONTROL(Panel, Panel5);            // background of the whole tab
    TESMARIK_CONTROL(Label, Label9);            // caption of the calculation type
    TESMARIK_CONTROL(ComboBox, ComboBox1);      // calculation type: universal or boiler
    TESMARIK_CONTROL(Label, Label15);           // caption of the document list
    TESMARIK_CONTROL(ComboBox, ComboBox6);      // boiler type's technical conditions
    TESMARIK_CONTROL(Label, Label4);            // caption of the diameter
    TESMARIK_CONTROL(ComboBox, ComboBox2);      // diameter
    TESMARIK_CONTROL(Label, Label5);            // caption of the wall
    TESMARIK_CONTROL(ComboBox, ComboBox3);      // wall; the last item lets one type it
    TESMARIK_CONTROL(CheckBox, CheckBox2);      // 1 % correction of the universal type
    TESMARIK_CONTROL(RadioGroup, RadioGroup2);  // mode: by length, by mass, single pipes
    TESMARIK_CONTROL(Label, Label35);           // caption of Edit10: length or mass
    TESMARIK_CONTROL(Edit, Edit10);             // total length or total mass to convert
    TESMARIK_CONTROL(Label, Label37);           // "optional" note over the average length
    TESMARIK_CONTROL(Label, Label85);           // caption of the average length
    TESMARIK_CONTROL(Edit, Edit11);             // average pipe length, for the piece count
    TESMARIK_CONTROL(StringGrid, rtab);         // lengths of single pipes, masses after a run
    TESMARIK_CONTROL(Memo, Memo2);              // lengths report, in the grid's place
    TESMARIK_CONTROL(Label, Label38);           // totals of the single pipes
    TESMARIK_CONTROL(Button, Button11);         // saves the lengths report
    TESMARIK_CONTROL(Button, Button12);         // empties the lengths grid
    TESMARIK_CONTROL(BitBtn, BitBtn1);          // switches between lengths grid and report
    TESMARIK_CONTROL(Button, Button1);          // runs the calculation
    TESMARIK_CONTROL(Button, Button15);         // to the loading tab with this pipe
    TESMARIK_CONTROL(Image, Image11);           // picture of the pipe kinds
    TESMARIK_CONTROL(StaticText, StaticText1);  // standards the universal type covers
    TESMARIK_CONTROL(Panel, Panel6);            // result panel
    // On the result panel: its title and fixed captions, then the values beside them.
    TESMARIK_CONTROL(Label, Label91);   // title of the result panel
    TESMARIK_CONTROL(Label, Label93);   // caption of the pipe size
    TESMARIK_CONTROL(Label, Label96);   // caption of the mass of one metre
    TESMARIK_CONTROL(Label, Label98);   // caption of the total length
    TESMARIK_CONTROL(Label, Label100);  // caption of the total mass
    TESMARIK_CONTROL(Label, Label92);   // caption of the piece count
    TESMARIK_CONTROL(Label, Label94);   // pipe size "D x s" on the result panel
    TESMARIK_CONTROL(Label, Label95);   // mass of one metre on the result panel
    TESMARIK_CONTROL(Label, Label97);   // total length on the result panel
    TESMARIK_CONTROL(Label, Label99);   // total mass on the result panel
    TESMARIK_CONTROL(Label, Label101);  // approximate piece count
    TESMARIK_CONTROL(Label, Label102);  // note on the seam or the document
    TESMARIK_CONTROL(Memo, Memo4);      // log of every run, in the panel's place
    TESMARIK_CONTROL(BitBtn, BitBtn4);  // switches between result panel and log
};

}  // namespace tesmarik
