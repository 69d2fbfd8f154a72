#pragma once

#include "tabs/loading/LoadingState.h"
#include "tabs/mass/AssortmentState.h"
#include "tabs/mass/MassState.h"
#include "tabs/mass/PipeState.h"
#include "tabs/offer/OfferState.h"
#include "tabs/price/PriceState.h"

namespace tesmarik {

// The state the tabs and windows keep while the program runs; created empty. The offer
// alone is saved, when the user saves it.
struct SharedState {
    PipeState pipe;
    MassState mass;
    AssortmentState assortment;
    LoadingState loading;
    PriceState price;
    OfferState offer;
};

}  // namespace tesmarik
