#pragma once

#include "app/form/TForm1.h"
#include "common/Platform.h"

namespace tesmarik {

// Saves the lengths report to a text file the user names.
void Button11Click(TForm1& f, Platform& platform);
// Empties the lengths grid and returns to typing lengths; the report stays for saving.
void Button12Click(TForm1& f);

}  // namespace tesmarik
