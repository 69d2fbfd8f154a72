#pragma once

#include "assortment/AssortmentState.h"
#include "loading/LoadingState.h"
#include "masscalc/PipeState.h"
#include "price/PriceState.h"
#include "tabs/mass/MassState.h"

namespace tesmarik {

// The state the tabs keep while the program runs; created empty, never saved.
struct SharedState {
    PipeState pipe;
    MassState mass;
    AssortmentState assortment;
    LoadingState loading;
    PriceState price;
};

}  // namespace tesmarik
