#pragma once

#include "app/form/ControlMacro.h"
#include "common/Controls.h"

namespace tesmarik {

// The information tab with the seller's links and the about box.
struct InfoTabControls {
    InfoTabControls(ControlRegistry& registry, TabSheet& sheet);

    ControlRegistry& registry_;
    TESMARIK_CONTROL(GroupBox, GroupBox2);
    TESMARIK_CONTROL(Label, Label115);
    TESMARIK_CONTROL(Label, Label114);
    TESMARIK_CONTROL(Label, Label112);
};

}  // namespace tesmarik
