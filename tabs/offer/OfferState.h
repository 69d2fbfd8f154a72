#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>

#include "offer/OfferPosition.h"

namespace tesmarik {

// The offer the user is building, kept while the program runs.
struct OfferState {
    Offer offer;
    bool started = false;  // a position was added or an offer opened since the last discard
    bool unsaved = false;  // changes since the offer was last saved or opened
    std::string path;      // the file it was last saved to or opened from
    // Quantities as the user is typing them into the grid, by position; a text that is no
    // usable quantity stays shown as typed while the position keeps its last quantity.
    std::map<std::size_t, std::string> typed;
    // The quantity cell being edited in place, and what it held before, which Esc brings
    // back.
    struct CellEdit {
        std::size_t index = 0;
        std::optional<std::string> typedBefore;
        double quantityBefore = 0;
    };
    std::optional<CellEdit> edit;
};

}  // namespace tesmarik
