#pragma once

#include "controls/Controls.h"
#include "form/ControlMacro.h"

namespace tesmarik {

// The loading-norms tab.
struct LoadingTabControls {
    LoadingTabControls(ControlRegistry& registry, TabSheet& sheet);

    ControlRegistry& registry_;

    // Choices: vehicle, diameter, wall, average length, carrying capacity.
    TESMARIK_CONTROL(RadioGroup, RadioGroup1);  // vehicle kind
    TESMARIK_CONTROL(Label, Label10);           // caption of the diameter
    TESMARIK_CONTROL(ComboBox, ComboBox4);      // diameter
    TESMARIK_CONTROL(Label, Label12);           // caption of the wall
    TESMARIK_CONTROL(ComboBox, ComboBox5);      // wall; the first item lets one type it
    TESMARIK_CONTROL(Label, Label14);           // caption of the average length
    TESMARIK_CONTROL(Edit, Edit3);              // average pipe length, 11,3 m at start
    TESMARIK_CONTROL(Label, Label7);            // caption of the carrying capacity
    TESMARIK_CONTROL(Edit, Edit9);              // carrying capacity, 60 t at start
    TESMARIK_CONTROL(Button, Button2);          // computes the loading norm
    TESMARIK_CONTROL(Button, Button7);          // reset, shown after a computation
    TESMARIK_CONTROL(Label, Label48);           // never shown and without behaviour

    // The additional-quantity panel: the consignment by mass or by length.
    TESMARIK_CONTROL(Panel, Panel1);            // consignment, enabled with a vehicle
    TESMARIK_CONTROL(Label, Label2);            // caption "Дополнительно"
    TESMARIK_CONTROL(RadioGroup, RadioGroup3);  // consignment given by mass or by length
    TESMARIK_CONTROL(Label, Label1);            // caption of Edit8: mass or length
    TESMARIK_CONTROL(Edit, Edit8);              // size of the consignment

    // The picture area: a caption line over one place for one picture at a time.
    TESMARIK_CONTROL(Panel, Panel2);   // picture area
    TESMARIK_CONTROL(Label, Label25);  // caption of the loading scheme shown
    TESMARIK_CONTROL(Image, Image13);  // standard gondola
    TESMARIK_CONTROL(Image, Image14);  // gondola with raised sides
    TESMARIK_CONTROL(Image, Image12);  // pipe-carrier platform
    TESMARIK_CONTROL(Image, Image15);  // truck with stanchions
    TESMARIK_CONTROL(Image, Image16);  // truck without stanchions
    // Declared after the vehicle pictures, so the collage lies above the two of them that
    // the form leaves shown beneath it.
    TESMARIK_CONTROL(Image, Image17);  // start-up collage
    TESMARIK_CONTROL(Image, Image3);   // loading scheme, 530 mm
    TESMARIK_CONTROL(Image, Image5);   // loading scheme, 630 mm
    TESMARIK_CONTROL(Image, Image6);   // loading scheme, 720 mm
    TESMARIK_CONTROL(Image, Image7);   // loading scheme, 820 mm
    TESMARIK_CONTROL(Image, Image8);   // loading scheme, 1020 mm
    TESMARIK_CONTROL(Image, Image9);   // loading scheme, 1220 mm
    TESMARIK_CONTROL(Image, Image10);  // loading scheme, 1420 mm

    // The result panel with its two pages, and the report in its place.
    TESMARIK_CONTROL(PageControl, PageControl2);  // result panel, two pages
    TESMARIK_CONTROL(TabSheet, TabSheet8);        // page of one vehicle
    TESMARIK_CONTROL(TabSheet, TabSheet9);        // page of the consignment
    TESMARIK_CONTROL(Memo, Memo3);                // report, in the result panel's place
    TESMARIK_CONTROL(BitBtn, BitBtn2);            // switches between result panel and report
    TESMARIK_CONTROL(BitBtn, BitBtn3);            // saves the report

    // Caption labels of the page "Основной".
    TESMARIK_CONTROL(Label, Label39);  // "ТС:"
    TESMARIK_CONTROL(Label, Label41);  // "Позиция:"
    TESMARIK_CONTROL(Label, Label43);  // "Макс. кол.:"
    TESMARIK_CONTROL(Label, Label46);  // "Масса:"
    TESMARIK_CONTROL(Label, Label55);  // "Длина:"
    // Caption labels of the page "Дополнительно".
    TESMARIK_CONTROL(Label, Label60);  // "Общая масса:"
    TESMARIK_CONTROL(Label, Label61);  // "Общая длина:"
    TESMARIK_CONTROL(Label, Label63);  // "Количество:"
    TESMARIK_CONTROL(Label, Label66);  // caption of the fully loaded vehicles
    TESMARIK_CONTROL(Label, Label71);  // "Макс. кол.:" of the full vehicles
    TESMARIK_CONTROL(Label, Label68);  // "Масса:" of the full vehicles
    TESMARIK_CONTROL(Label, Label69);  // "Длина:" of the full vehicles
    TESMARIK_CONTROL(Label, Label73);  // caption of the last vehicle's load
    TESMARIK_CONTROL(Label, Label74);  // "кол.:" of the last vehicle
    TESMARIK_CONTROL(Label, Label78);  // "Масса:" of the last vehicle
    TESMARIK_CONTROL(Label, Label79);  // "Длина:" of the last vehicle

    // The result labels, hidden until a computation shows them (the capacity-case
    // captions Label49, Label50, Label52 and Label57 among them).
    TESMARIK_CONTROL(Label, Label40);  // vehicle
    TESMARIK_CONTROL(Label, Label42);  // position: the pipe and its length
    TESMARIK_CONTROL(Label, Label44);  // pipes on one vehicle by volume
    TESMARIK_CONTROL(Label, Label45);  // mass of the load by volume
    TESMARIK_CONTROL(Label, Label47);  // warning: the capacity limits the load
    TESMARIK_CONTROL(Label, Label49);  // caption of the capacity case
    TESMARIK_CONTROL(Label, Label50);  // "Макс.кол.:" of the capacity case
    TESMARIK_CONTROL(Label, Label51);  // pipes on one vehicle by capacity
    TESMARIK_CONTROL(Label, Label52);  // "Масса:" of the capacity case
    TESMARIK_CONTROL(Label, Label53);  // mass of the load by capacity
    TESMARIK_CONTROL(Label, Label56);  // length of the load by volume
    TESMARIK_CONTROL(Label, Label57);  // "Длина:" of the capacity case
    TESMARIK_CONTROL(Label, Label58);  // length of the load by capacity
    TESMARIK_CONTROL(Label, Label59);  // consignment: total mass
    TESMARIK_CONTROL(Label, Label62);  // consignment: total length
    TESMARIK_CONTROL(Label, Label64);  // consignment: pipe count
    TESMARIK_CONTROL(Label, Label65);  // consignment: vehicles needed
    TESMARIK_CONTROL(Label, Label67);  // mass on the full vehicles
    TESMARIK_CONTROL(Label, Label70);  // length on the full vehicles
    TESMARIK_CONTROL(Label, Label72);  // pipes on the full vehicles
    TESMARIK_CONTROL(Label, Label75);  // load of the last vehicle, %
    TESMARIK_CONTROL(Label, Label76);  // pipes on the last vehicle
    TESMARIK_CONTROL(Label, Label77);  // mass on the last vehicle
    TESMARIK_CONTROL(Label, Label80);  // length on the last vehicle
    TESMARIK_CONTROL(Label, Label81);  // fully loaded vehicles

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
