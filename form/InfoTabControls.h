#pragma once

#include "controls/Controls.h"
#include "form/ControlMacro.h"

namespace tesmarik {

// The information tab: links to the seller's reference pages, notice board and tariff
// form, the seller's contact panel and the about box.
struct InfoTabControls {
    InfoTabControls(ControlRegistry& registry, TabSheet& sheet);

    ControlRegistry& registry_;
    TESMARIK_CONTROL(Label, Label106);  // link: reference sections
    TESMARIK_CONTROL(Label, Label107);  // reference section: pipe standards
    TESMARIK_CONTROL(Label, Label108);  // reference section: steels
    TESMARIK_CONTROL(Label, Label109);  // reference section: technical catalogues
    TESMARIK_CONTROL(Label, Label110);  // link: notice board
    TESMARIK_CONTROL(Label, Label104);  // what the notice board accepts
    TESMARIK_CONTROL(Label, Label111);  // link: rail tariff form
    TESMARIK_CONTROL(Label, Label103);  // what the tariff form computes

    // The seller's contact details.
    TESMARIK_CONTROL(Panel, Panel7);    // grey panel of the seller's details
    TESMARIK_CONTROL(Image, Image19);   // the seller's logo
    TESMARIK_CONTROL(Label, Label105);  // company name
    TESMARIK_CONTROL(Label, Label113);  // postal address
    TESMARIK_CONTROL(Label, Label116);  // tax numbers
    TESMARIK_CONTROL(Label, Label117);  // bank details
    TESMARIK_CONTROL(Label, Label118);  // telephone and fax
    TESMARIK_CONTROL(Label, Label119);  // office hours
    TESMARIK_CONTROL(Label, Label120);  // line of business

    TESMARIK_CONTROL(GroupBox, GroupBox2);  // "О программе": the about box
    TESMARIK_CONTROL(Label, Label115);      // program name and version
    TESMARIK_CONTROL(Label, Label114);      // empty line of the about box
    TESMARIK_CONTROL(Label, Label112);      // invitation to the forum
};

}  // namespace tesmarik
