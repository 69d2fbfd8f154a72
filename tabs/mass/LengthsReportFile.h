#pragma once

#include "common/Platform.h"
#include "form/TForm1.h"

namespace tesmarik {

// Saves the lengths report to a text file the user names.
void Button11Click(TForm1& f, Platform& platform);
// Empties the lengths grid and returns to typing lengths; the report stays for saving.
void Button12Click(TForm1& f);

}  // namespace tesmarik
