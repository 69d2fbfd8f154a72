#include "offer/OfferPosition.h"

#include <cstdio>

#include "common/Error.h"
#include "common/Numbers.h"
#include "offer/SumInWords.h"
#include "price/PricePosition.h"

namespace tesmarik {

namespace {

// A field of the price list that names nothing: empty, the "0" of a missing field, or a
// word that fits every steel or standard.
bool Named(const std::string& field) {
    return !field.empty() && field != "0" && field != "ндан" && field != "различные";
}

}  // namespace

std::string PositionName(const OfferPosition& p) {
    std::string name = p.type == "v" ? "Труба восстановленная " : "Труба ";
    name += ShowNumber(p.diameter) + "×" + ShowNumber(p.wall);
    if (Named(p.steel)) {
        name += " ст." + p.steel;
    }
    if (Named(p.standard)) {
        name += " " + p.standard;
    }
    return name;
}

bool SameRowAndSize(const OfferPosition& a, const OfferPosition& b) {
    return a.type == b.type && a.diameter == b.diameter && a.wall == b.wall && a.steel == b.steel &&
           a.standard == b.standard && a.price == b.price && a.averageLength == b.averageLength;
}

CostFigures PositionFigures(const OfferPosition& p) {
    return ComputeCost(
        {p.diameter, p.wall, p.unit, p.quantity, p.averageLength, PricePerTonne(p.price)});
}

std::string PositionProblem(const OfferPosition& p) {
    const CostFigures figures = PositionFigures(p);
    if (const InputRead pieces = CheckPieces(figures.pieces); !pieces.value) {
        return pieces.problem;
    }
    // Compared in roubles: a cost this large may not fit the kopecks' integer.
    if (figures.cost && *figures.cost > static_cast<double>(kMaxKopecksInWords) / 100) {
        return kCostTooLarge;
    }
    return {};
}

std::size_t AddPosition(Offer& offer, const OfferPosition& added) {
    for (std::size_t i = 0; i < offer.positions.size(); ++i) {
        OfferPosition& line = offer.positions[i];
        if (!SameRowAndSize(line, added)) {
            continue;
        }
        double more = added.quantity;
        if (added.unit != line.unit) {
            const CostFigures figures = PositionFigures(added);
            more = line.unit == QuantityUnit::Metres   ? figures.length
                   : line.unit == QuantityUnit::Tonnes ? figures.mass
                                                       : figures.pieces;
        }
        // The sum must be a quantity the user could have typed.
        const InputRead sum = ReadQuantity(ShowNumber(line.quantity + more), line.unit);
        if (!sum.value) {
            throw Error(PositionName(line) + ": " + sum.problem);
        }
        OfferPosition merged = line;
        merged.quantity = *sum.value;
        if (const std::string problem = PositionProblem(merged); !problem.empty()) {
            throw Error(PositionName(line) + ": " + problem);
        }
        line.quantity = *sum.value;
        return i;
    }
    offer.positions.push_back(added);
    return offer.positions.size() - 1;
}

std::string ProposedNumber(const DateTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d%02d%02d-%02d%02d", t.day % 100, t.month % 100,
                  t.year % 100, t.hour % 100, t.minute % 100);
    return text;
}

const char* UnitText(QuantityUnit unit) {
    switch (unit) {
        case QuantityUnit::Tonnes:
            return "т";
        case QuantityUnit::Pieces:
            return "шт.";
        case QuantityUnit::Metres:
            break;
    }
    return "м";
}

}  // namespace tesmarik
