#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/DateTime.h"
#include "memory/Database.h"
#include "offer/OfferPosition.h"

namespace tesmarik {

// An offer as the archive lists it.
struct ArchivedOffer {
    std::int64_t id = 0;
    std::string number;
    DateTime started;
    std::string client;
    std::string manager;
    std::int64_t totalKopecks = 0;  // the positions with a price, VAT included
    std::int64_t vatKopecks = 0;
    std::optional<std::int64_t> priceVersion;  // the kept price list it was priced from
    DateTime recorded;                         // when it was last saved, printed or exported
};

// Records an offer that was saved, printed or exported, with its figures as the offer
// window computes them. The same offer (number and start) recorded again replaces what the
// archive held of it: the archive keeps the offer as it was last sent. Returns its id.
std::int64_t RecordOffer(Database& db, const Offer& offer, std::optional<std::int64_t> priceVersion,
                         const DateTime& recorded);

// What the archive is searched by; an empty or missing part matches every offer.
struct OfferQuery {
    std::string client{};            // a part of the client's name, capitals or not
    std::string number{};            // a part of the number
    std::optional<DateTime> from{};  // the days the offer was started, both included
    std::optional<DateTime> to{};
    std::optional<double> diameter{};  // mm: a position of this diameter
    std::optional<double> wall{};      // mm: ... and this wall
};

// The offers that match, the newest first.
std::vector<ArchivedOffer> FindOffers(Database& db, const OfferQuery& query);

// An archived offer as it was recorded.
Offer LoadArchivedOffer(Database& db, std::int64_t id);

// The text with its capitals made small (Russian and Latin letters), as the client is
// searched by.
std::string FoldCase(const std::string& utf8);

}  // namespace tesmarik
