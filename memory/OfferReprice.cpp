#include "memory/OfferReprice.h"

#include <algorithm>
#include <cmath>

#include "common/Numbers.h"
#include "offer/SumInWords.h"
#include "price/ListedSizes.h"
#include "price/MoneyText.h"
#include "price/PricePosition.h"

namespace tesmarik {

namespace {

// Sizes as the offer file writes them: a size read back from a list agrees to the micrometre.
constexpr double kSameSize = 5e-4;

bool Names(const std::string& field, double size) {
    const ListedSizes listed = SizesOfField(field);
    if (listed.range && size >= listed.range->first - kSameSize &&
        size <= listed.range->second + kSameSize) {
        return true;
    }
    return std::any_of(listed.sizes.begin(), listed.sizes.end(), [size](const std::string& s) {
        const NumberRead read = TryReadNumber(s);
        return read.status == NumberRead::Status::Number && std::abs(read.value - size) < kSameSize;
    });
}

bool SamePrice(const std::string& a, const std::string& b) {
    const auto x = PricePerTonne(a);
    const auto y = PricePerTonne(b);
    if (x && y) {
        return ToKopecks(*x) == ToKopecks(*y);
    }
    return !x && !y && a == b;
}

}  // namespace

const PriceRow* RowOfPosition(const PriceStore& list, const OfferPosition& p) {
    for (const PriceRow& row : list.rows) {
        if (row.Field(kTypeField) == p.type && row.Field(kSteelField) == p.steel &&
            row.Field(kStandardField) == p.standard &&
            Names(row.Field(kDiameterField), p.diameter) && Names(row.Field(kWallField), p.wall)) {
            return &row;
        }
    }
    return nullptr;
}

std::vector<PositionPriceChange> PriceChangesOfOffer(const Offer& offer, const PriceStore& list) {
    std::vector<PositionPriceChange> changes;
    for (std::size_t i = 0; i < offer.positions.size(); ++i) {
        const OfferPosition& p = offer.positions[i];
        if (const PriceRow* row = RowOfPosition(list, p);
            row && !SamePrice(p.price, row->Field(kPriceField))) {
            changes.push_back(PositionPriceChange{i, p.price, row->Field(kPriceField)});
        }
    }
    return changes;
}

std::string ListedPriceNote(const DateTime& listTaken, const std::string& listed) {
    const auto perTonne = PricePerTonne(listed);
    return "цена в прайсе от " + ShortDate(listTaken) + ": " +
           (perTonne ? ShowMoney(*perTonne) : listed);
}

Offer RepricedOffer(const Offer& offer, const PriceStore& list, const DateTime& listTaken) {
    Offer repriced = offer;
    for (const PositionPriceChange& change : PriceChangesOfOffer(offer, list)) {
        repriced.positions[change.index].price = change.listed;
    }
    repriced.priceDate = ShortDate(listTaken);
    return repriced;
}

}  // namespace tesmarik
