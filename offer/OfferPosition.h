#pragma once

#include <string>
#include <vector>

#include "common/DateTime.h"
#include "price/PipeCost.h"
#include "price/QuantityInput.h"

namespace tesmarik {

// One line of an offer: a row of the price list with one diameter and one wall chosen, and
// the quantity the client asks for, as the cost window takes it.
struct OfferPosition {
    std::string type;     // the price list's type code: "n", "l", "v", "kt"
    double diameter = 0;  // mm, the size chosen where the row lists several
    double wall = 0;      // mm, likewise
    std::string steel;    // as the price list writes them
    std::string standard;
    std::string price;  // per tonne; a text that is no number makes the price negotiable
    QuantityUnit unit = QuantityUnit::Metres;
    double quantity = 0;       // in the unit
    double averageLength = 0;  // m, for the pipe count
};

// The seller's manager who signs the offer.
struct OfferManager {
    std::string name;
    std::string position;
    std::string phone;
    std::string email;
};

// The terms the offer is made on, as the manager types them.
struct OfferTerms {
    std::string validUntil;  // "dd.mm.yyyy"
    std::string delivery;
    std::string payment;
};

// The carrying capacity, t, of an offer that names none: the loading tab's own default,
// which offers were counted with before they kept theirs.
inline constexpr const char* kDefaultOfferCapacity = "60";

// How the offer's pipes are loaded: several sizes in one vehicle, and pipes inside larger
// ones (which a carrier or a client may forbid, hence off until asked for).
struct OfferLoading {
    bool mixed = true;
    bool nesting = false;
    std::string clearance = "20";  // mm, as typed: the least gap around a nested pipe
};

// The offer as the user builds it; what the offer file keeps.
struct Offer {
    std::string number;  // proposed from the time the offer was started
    DateTime started;
    std::string client;
    std::string comment;
    std::string vatRate = "22";  // %, as typed
    int vehicle = 0;             // VehicleKind, in the loading tab's order
    std::string priceDate;       // "dd.mm.yyyy" of the price list the prices come from
    std::string capacity = kDefaultOfferCapacity;  // t, as typed: the vehicle's capacity
    OfferTerms terms;
    OfferManager manager;
    OfferLoading loading;
    std::vector<OfferPosition> positions;
};

// "Труба 530×8 ст.17Г1С ГОСТ 20295-85": what the client reads in the table.
std::string PositionName(const OfferPosition& p);

// The same row of the price list with the same size and average length: one line of the
// offer. Another average length is a line of its own, so that no pipe is counted at a
// length it does not have.
bool SameRowAndSize(const OfferPosition& a, const OfferPosition& b);

// Adds the position to the offer, or its quantity to the line of the same row and size
// (converted to that line's unit through the figures of the cost window). Returns the
// line's index. Throws the text the cost window would show when the sum is beyond the
// quantity a position may have.
std::size_t AddPosition(Offer& offer, const OfferPosition& added);

// The figures of the cost window for the position.
CostFigures PositionFigures(const OfferPosition& p);

// What makes the position's figures no figures to quote (fewer than one pipe, more than
// the limit of pipes, a cost beyond what the offer can write in words), or empty.
std::string PositionProblem(const OfferPosition& p);

inline constexpr const char* kCostTooLarge = "Стоимость предложения слишком велика.";

// The offer's number proposed from the moment it is started: "101226-1530".
std::string ProposedNumber(const DateTime& t);

// The unit as the table writes it: "м", "т", "шт.".
const char* UnitText(QuantityUnit unit);

}  // namespace tesmarik
