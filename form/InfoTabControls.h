#pragma once

#include "common/Controls.h"
#include "form/ControlMacro.h"

namespace tesmarik {

// The information tab: links to the seller's reference pages, notice board and tariff
// form, the seller's contact panel and the about box.
struct InfoTabControls {
    InfoTabControls(ControlRegistry& registry, TabSheet& sheet);

    ControlRegistry& registry_;
    TESMARIK_CONTROL(Label, Label106);
    TESMARIK_CONTROL(Label, Label107);
    TESMARIK_CONTROL(Label, Label108);
    TESMARIK_CONTROL(Label, Label109);
    TESMARIK_CONTROL(Label, Label110);
    TESMARIK_CONTROL(Label, Label104);
    TESMARIK_CONTROL(Label, Label111);
    TESMARIK_CONTROL(Label, Label103);

    // The seller's contact details.
    TESMARIK_CONTROL(Panel, Panel7);
    TESMARIK_CONTROL(Image, Image19);
    TESMARIK_CONTROL(Label, Label105);  // company name
    TESMARIK_CONTROL(Label, Label113);  // postal address
    TESMARIK_CONTROL(Label, Label116);  // tax numbers
    TESMARIK_CONTROL(Label, Label117);  // bank details
    TESMARIK_CONTROL(Label, Label118);  // telephone and fax
    TESMARIK_CONTROL(Label, Label119);  // office hours
    TESMARIK_CONTROL(Label, Label120);  // line of business

    TESMARIK_CONTROL(GroupBox, GroupBox2);
    TESMARIK_CONTROL(Label, Label115);
    TESMARIK_CONTROL(Label, Label114);
    TESMARIK_CONTROL(Label, Label112);
};

}  // namespace tesmarik
