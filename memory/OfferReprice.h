#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "common/DateTime.h"
#include "offer/OfferPosition.h"
#include "price/PriceStore.h"

namespace tesmarik {

// The row of a price list that prices an offer's position: the first of the same type,
// steel and standard whose diameter and wall fields name the position's sizes (one of the
// sizes listed, or a size within the range); none when the list has no such row.
const PriceRow* RowOfPosition(const PriceStore& list, const OfferPosition& p);

// A position of a reopened offer that the list prices otherwise.
struct PositionPriceChange {
    std::size_t index = 0;  // in the offer's positions
    std::string offered;    // the price in the offer
    std::string listed;     // the price in the list
};

// The positions whose price differs in the list: by the sum when both are numbers (so that
// "78500" and "78500,00" agree), else by the text ("договорная").
std::vector<PositionPriceChange> PriceChangesOfOffer(const Offer& offer, const PriceStore& list);

// "цена в прайсе от 11.12.2026: 79 000,00": what the row of a reopened offer says of the
// list's price (a price that is no number, as the list writes it).
std::string ListedPriceNote(const DateTime& listTaken, const std::string& listed);

// The offer at the list's prices, with the list's date as its price date; positions the
// list has no row for keep their price.
Offer RepricedOffer(const Offer& offer, const PriceStore& list, const DateTime& listTaken);

}  // namespace tesmarik
