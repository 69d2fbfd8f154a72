#pragma once

#include "common/Controls.h"
#include "form/ControlMacro.h"

namespace tesmarik {

// The loading-norms tab.
struct LoadingTabControls {
    LoadingTabControls(ControlRegistry& registry, TabSheet& sheet);

    ControlRegistry& registry_;

    // Choices: vehicle, diameter, wall, average length, carrying capacity.
    TESMARIK_CONTROL(RadioGroup, RadioGroup1);
    TESMARIK_CONTROL(Label, Label10);
    TESMARIK_CONTROL(ComboBox, ComboBox4);
    TESMARIK_CONTROL(Label, Label12);
    TESMARIK_CONTROL(ComboBox, ComboBox5);
    TESMARIK_CONTROL(Label, Label14);
    TESMARIK_CONTROL(Edit, Edit3);
    TESMARIK_CONTROL(Label, Label7);
    TESMARIK_CONTROL(Edit, Edit9);
    TESMARIK_CONTROL(Button, Button2);
    TESMARIK_CONTROL(Button, Button7);
    TESMARIK_CONTROL(Label, Label48);

    // The additional-quantity panel: the consignment by mass or by length.
    TESMARIK_CONTROL(Panel, Panel1);
    TESMARIK_CONTROL(Label, Label2);
    TESMARIK_CONTROL(RadioGroup, RadioGroup3);
    TESMARIK_CONTROL(Label, Label1);
    TESMARIK_CONTROL(Edit, Edit8);

    // The picture area: a caption line over one place for one picture at a time.
    TESMARIK_CONTROL(Panel, Panel2);
    TESMARIK_CONTROL(Label, Label25);
    TESMARIK_CONTROL(Image, Image13);
    TESMARIK_CONTROL(Image, Image14);
    TESMARIK_CONTROL(Image, Image12);
    TESMARIK_CONTROL(Image, Image15);
    TESMARIK_CONTROL(Image, Image16);
    // Declared after the vehicle pictures, so the collage lies above the two of them that
    // the form leaves shown beneath it.
    TESMARIK_CONTROL(Image, Image17);
    TESMARIK_CONTROL(Image, Image3);
    TESMARIK_CONTROL(Image, Image5);
    TESMARIK_CONTROL(Image, Image6);
    TESMARIK_CONTROL(Image, Image7);
    TESMARIK_CONTROL(Image, Image8);
    TESMARIK_CONTROL(Image, Image9);
    TESMARIK_CONTROL(Image, Image10);

    // The result panel with its two pages, and the report in its place.
    TESMARIK_CONTROL(PageControl, PageControl2);
    TESMARIK_CONTROL(TabSheet, TabSheet8);
    TESMARIK_CONTROL(TabSheet, TabSheet9);
    TESMARIK_CONTROL(Memo, Memo3);
    TESMARIK_CONTROL(BitBtn, BitBtn2);
    TESMARIK_CONTROL(BitBtn, BitBtn3);

    // Caption labels of the page "Основной".
    TESMARIK_CONTROL(Label, Label39);
    TESMARIK_CONTROL(Label, Label41);
    TESMARIK_CONTROL(Label, Label43);
    TESMARIK_CONTROL(Label, Label46);
    TESMARIK_CONTROL(Label, Label55);
    // Caption labels of the page "Дополнительно".
    TESMARIK_CONTROL(Label, Label60);
    TESMARIK_CONTROL(Label, Label61);
    TESMARIK_CONTROL(Label, Label63);
    TESMARIK_CONTROL(Label, Label66);
    TESMARIK_CONTROL(Label, Label71);
    TESMARIK_CONTROL(Label, Label68);
    TESMARIK_CONTROL(Label, Label69);
    TESMARIK_CONTROL(Label, Label73);
    TESMARIK_CONTROL(Label, Label74);
    TESMARIK_CONTROL(Label, Label78);
    TESMARIK_CONTROL(Label, Label79);

    // The result labels, hidden until a computation shows them (the capacity-case
    // captions Label49, Label50, Label52 and Label57 among them).
    TESMARIK_CONTROL(Label, Label40);
    TESMARIK_CONTROL(Label, Label42);
    TESMARIK_CONTROL(Label, Label44);
    TESMARIK_CONTROL(Label, Label45);
    TESMARIK_CONTROL(Label, Label47);
    TESMARIK_CONTROL(Label, Label49);
    TESMARIK_CONTROL(Label, Label50);
    TESMARIK_CONTROL(Label, Label51);
    TESMARIK_CONTROL(Label, Label52);
    TESMARIK_CONTROL(Label, Label53);
    TESMARIK_CONTROL(Label, Label56);
    TESMARIK_CONTROL(Label, Label57);
    TESMARIK_CONTROL(Label, Label58);
    TESMARIK_CONTROL(Label, Label59);
    TESMARIK_CONTROL(Label, Label62);
    TESMARIK_CONTROL(Label, Label64);
    TESMARIK_CONTROL(Label, Label65);
    TESMARIK_CONTROL(Label, Label67);
    TESMARIK_CONTROL(Label, Label70);
    TESMARIK_CONTROL(Label, Label72);
    TESMARIK_CONTROL(Label, Label75);
    TESMARIK_CONTROL(Label, Label76);
    TESMARIK_CONTROL(Label, Label77);
    TESMARIK_CONTROL(Label, Label80);
    TESMARIK_CONTROL(Label, Label81);

    // The 25 result labels in the order the start-up hides them.
    Label* ResultLabels[25] = {&Label40, &Label42, &Label44, &Label45, &Label47, &Label49, &Label50,
                               &Label51, &Label52, &Label53, &Label56, &Label57, &Label58, &Label59,
                               &Label62, &Label64, &Label65, &Label67, &Label70, &Label72, &Label75,
                               &Label76, &Label77, &Label80, &Label81};
    // The seven loading-scheme pictures, for 530, 630, 720, 820, 1020, 1220 and 1420 mm.
    Image* SchemeImages[7] = {&Image3, &Image5, &Image6, &Image7, &Image8, &Image9, &Image10};
    // The vehicle pictures in the order of the vehicle radio group.
    Image* VehicleImages[5] = {&Image13, &Image14, &Image12, &Image15, &Image16};
};

}  // namespace tesmarik
