#pragma once

namespace tesmarik {

// What the mass tab remembers between its handlers.
struct MassState {
    int mode = -1;  // the calculation mode last chosen in RadioGroup2
};

}  // namespace tesmarik
