#include "offer/OfferTotals.h"

#include <cmath>

#include "common/Error.h"
#include "common/Numbers.h"
#include "masscalc/MassFormulas.h"
#include "offer/SumInWords.h"

namespace tesmarik {

std::int64_t VatIncluded(std::int64_t totalKopecks, double rate) {
    const double vat = static_cast<double>(totalKopecks) * rate / (100 + rate);
    return static_cast<std::int64_t>(std::floor(vat + 0.5));
}

InputRead ReadVatRate(const std::string& text) {
    if (text.find_first_not_of(' ') == std::string::npos) {
        return {std::nullopt, "Введите ставку НДС."};
    }
    const NumberRead read = TryReadNumber(text);
    if (read.status != NumberRead::Status::Number) {
        return {std::nullopt, "Ставка НДС \"" + text + "\" - не число."};
    }
    if (read.value < 0 || read.value > 100) {
        return {std::nullopt, "Ставка НДС должна быть от 0 до 100 %."};
    }
    return {read.value, {}};
}

OfferFigures ComputeOffer(const Offer& offer, const std::string& capacityText) {
    OfferFigures out;
    const auto vehicle = static_cast<VehicleKind>(offer.vehicle);
    // Sums of figures already rounded: each rounded again, so that no binary dust shows.
    double mass = 0;
    double length = 0;
    for (const OfferPosition& p : offer.positions) {
        const CostFigures figures = PositionFigures(p);
        mass += figures.mass;
        length += figures.length;
        out.pieces += figures.pieces;
        if (figures.cost && !out.costTooLarge) {
            // Each position's cost is held below the limit before it is added, so the sum of
            // two never leaves the integer's range; past the limit the sum stops.
            if (*figures.cost > static_cast<double>(kMaxKopecksInWords) / 100 ||
                (out.costKopecks += ToKopecks(*figures.cost)) > kMaxKopecksInWords) {
                out.costTooLarge = true;
                out.costKopecks = 0;
            }
        } else if (!figures.cost) {
            out.negotiableLeftOut = true;
        }
        out.positions.push_back(figures);
        out.transport.push_back(VehiclesForPosition(vehicle, p, capacityText));
        if (out.transport.back().vehicles) {
            out.vehicles += *out.transport.back().vehicles;
        } else {
            out.vehiclesIncomplete = true;
        }
    }
    out.mass = RoundHalfUp(mass, 3);
    out.length = RoundHalfUp(length, 3);
    out.vatRate = ReadVatRate(offer.vatRate);
    if (out.vatRate.value) {
        out.vatKopecks = VatIncluded(out.costKopecks, *out.vatRate.value);
    }
    out.byCapacity = VehiclesByCapacity(out.mass, capacityText);
    return out;
}

}  // namespace tesmarik
