#pragma once

#include "app/SharedState.h"
#include "form/TForm1.h"

namespace tesmarik {

// Runs once, after the controls exist and before the window is first shown.
void FormCreate(TForm1& f, SharedState& state);
// Runs each time the window becomes the active window.
void FormActivate(TForm1& f);
// Every 200 ms: the header hint blinks red and navy.
void Timer1Timer(TForm1& f);

}  // namespace tesmarik
