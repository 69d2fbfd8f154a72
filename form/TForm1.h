#pragma once

#include "controls/Controls.h"
#include "form/FrameControls.h"
#include "form/InfoTabControls.h"
#include "form/LoadingTabControls.h"
#include "form/MassTabControls.h"
#include "form/PriceTabControls.h"

namespace tesmarik {

// The window model: every control of the window as a named member, built in its form
// state. Each tab's controls are declared and laid out in a file of their own.
class TForm1 : public ControlRegistry,
               public FrameControls,
               public MassTabControls,
               public LoadingTabControls,
               public PriceTabControls,
               public InfoTabControls {
public:
    TForm1()
        : FrameControls(static_cast<ControlRegistry&>(*this)),
          MassTabControls(static_cast<ControlRegistry&>(*this), TabSheet1),
          LoadingTabControls(static_cast<ControlRegistry&>(*this), TabSheet2),
          PriceTabControls(static_cast<ControlRegistry&>(*this), TabSheet3),
          InfoTabControls(static_cast<ControlRegistry&>(*this), TabSheet5) {}

    ControlRegistry& Registry() { return *this; }
};

}  // namespace tesmarik
