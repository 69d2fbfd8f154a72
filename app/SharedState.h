#pragma once

#include "assortment/AssortmentState.h"
#include "loading/LoadingState.h"
#include "masscalc/PipeState.h"
#include "price/PriceState.h"
#include "tabs/mass/MassState.h"
#include "tabs/offer/OfferState.h"

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
