#pragma once

#include "common/Controls.h"
#include "form/ControlMacro.h"

namespace tesmarik {

// The places of the tabs on PageControl1.
inline constexpr int kMassTab = 0;
inline constexpr int kLoadingTab = 1;
inline constexpr int kPriceTab = 2;
inline constexpr int kInfoTab = 3;

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
