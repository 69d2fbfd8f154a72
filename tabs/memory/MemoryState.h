#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "memory/Database.h"
#include "memory/OfferArchive.h"
#include "memory/OfferReprice.h"
#include "memory/PriceChanges.h"

namespace tesmarik {

// The program's database for the run, opened on first use, and what its windows show.
struct MemoryState {
    std::optional<Database> db;
    std::string folder;  // the data folder db was opened under

    // "Изменения прайса": the kept versions, the newest first, and the kinds of the rows
    // its grid shows, for their colours.
    std::vector<PriceVersion> versions;
    std::vector<PriceChangeKind> shownKinds;

    // "Архив предложений": the offers its grid shows, and the changed prices of the one
    // opened from it, against the list they were checked with.
    std::vector<ArchivedOffer> found;
    std::vector<PositionPriceChange> reopenedChanges;
    std::optional<std::int64_t> checkedVersion;
};

}  // namespace tesmarik
