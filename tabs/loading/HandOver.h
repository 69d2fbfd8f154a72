#pragma once

#include "form/TForm1.h"
#include "tabs/loading/LoadingState.h"

namespace tesmarik {

// "Нормы погрузок ТС" on the mass tab: brings the loading tab to the front with the
// standard gondola and the mass tab's diameter and wall.
void Button15Click(TForm1& f, LoadingState& state);

}  // namespace tesmarik
