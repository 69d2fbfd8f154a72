#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "offer/OfferPosition.h"
#include "offer/OfferTransport.h"
#include "price/QuantityInput.h"

namespace tesmarik {

// Everything an offer shows, computed before any of it is shown.
struct OfferFigures {
    std::vector<CostFigures> positions;
    std::vector<VehicleNeed> transport;  // per position, for the offer's vehicle
    double mass = 0;                     // t, the sum of the positions' masses as shown
    double length = 0;                   // m
    double pieces = 0;
    std::int64_t costKopecks = 0;     // the positions with a price
    bool negotiableLeftOut = false;   // a position priced "договорная" is not in the cost
    bool costTooLarge = false;        // beyond what the offer can write in words: no cost at all
    InputRead vatRate;                // %, or what is wrong with the rate typed
    std::int64_t vatKopecks = 0;      // the VAT the cost includes, when the rate is usable
    double vehicles = 0;              // the positions' vehicles added up
    bool vehiclesIncomplete = false;  // a position's vehicles could not be counted
    std::optional<double> byCapacity;  // vehicles the total mass needs by capacity alone
};

// The VAT a price that includes it holds: total × rate / (100 + rate), half up to kopecks.
std::int64_t VatIncluded(std::int64_t totalKopecks, double rate);

// The rate of the VAT as typed: a number from 0 to 100 %.
InputRead ReadVatRate(const std::string& text);

OfferFigures ComputeOffer(const Offer& offer, const std::string& capacityText);

}  // namespace tesmarik
