#pragma once

#include "common/Controls.h"
#include "form/ControlMacro.h"

namespace tesmarik {

// The window itself, its timer, the tab control with its four tabs and the header strip.
struct FrameControls {
    explicit FrameControls(ControlRegistry& registry);

    ControlRegistry& registry_;
    TESMARIK_CONTROL(FormControl, Form1);
    TESMARIK_CONTROL(Timer, Timer1);
    TESMARIK_CONTROL(Image, Image1);
    TESMARIK_CONTROL(Label, Label26);
    TESMARIK_CONTROL(Label, Label36);
    TESMARIK_CONTROL(Label, Label86);
    TESMARIK_CONTROL(Label, Label87);
    TESMARIK_CONTROL(Label, Label88);
    TESMARIK_CONTROL(Label, Label89);
    TESMARIK_CONTROL(Label, Label90);
    TESMARIK_CONTROL(PageControl, PageControl1);
    TESMARIK_CONTROL(TabSheet, TabSheet1);
    TESMARIK_CONTROL(TabSheet, TabSheet2);
    TESMARIK_CONTROL(TabSheet, TabSheet3);
    TESMARIK_CONTROL(TabSheet, TabSheet5);
};

}  // namespace tesmarik
