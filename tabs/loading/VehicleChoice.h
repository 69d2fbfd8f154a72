#pragma once

#include "form/TForm1.h"
#include "tabs/loading/LoadingState.h"

namespace tesmarik {

// The user chose a vehicle kind in RadioGroup1.
void RadioGroup1Click(TForm1& f, LoadingState& state);
// The user picked an item of the diameter list ComboBox4.
void ComboBox4Click(TForm1& f, LoadingState& state);
// The user picked an item of the wall list ComboBox5.
void ComboBox5Click(TForm1& f);

}  // namespace tesmarik
