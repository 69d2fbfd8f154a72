#pragma once

#include "tabs/loading/LoadingState.h"
#include "tabs/mass/AssortmentState.h"
#include "tabs/mass/MassState.h"
#include "tabs/mass/PipeState.h"
#include "tabs/memory/MemoryState.h"
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
    MemoryState memory;  // the program's database and its windows
};

}  // namespace tesmarik
