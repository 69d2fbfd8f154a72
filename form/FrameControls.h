#pragma once

#include "controls/Controls.h"
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
    TESMARIK_CONTROL(FormControl, Form1);         // the window: caption, size, activation
    TESMARIK_CONTROL(Timer, Timer1);              // every 200 ms: the header hint blinks
    TESMARIK_CONTROL(Image, Image1);              // the seller's banner; opens the home page
    TESMARIK_CONTROL(Label, Label26);             // e-mail on the banner; a mail to sales
    TESMARIK_CONTROL(Label, Label36);             // blinking hint "go to the site >>>"
    TESMARIK_CONTROL(Label, Label86);             // header link: pipes catalogue
    TESMARIK_CONTROL(Label, Label87);             // header link: thick-walled pipes
    TESMARIK_CONTROL(Label, Label88);             // header link: boiler pipes
    TESMARIK_CONTROL(Label, Label89);             // header link: reconditioned pipes
    TESMARIK_CONTROL(Label, Label90);             // site address on the banner; home page
    TESMARIK_CONTROL(PageControl, PageControl1);  // the four tabs
    TESMARIK_CONTROL(TabSheet, TabSheet1);        // tab: theoretical mass
    TESMARIK_CONTROL(TabSheet, TabSheet2);        // tab: loading norms
    TESMARIK_CONTROL(TabSheet, TabSheet3);        // tab: price list
    TESMARIK_CONTROL(TabSheet, TabSheet5);        // tab: information ("Тесмарику")
};

}  // namespace tesmarik
