#include "offer/OfferTexts.h"

#include <iterator>

#include "common/Numbers.h"
#include "loading/Vehicles.h"
#include "offer/SumInWords.h"
#include "price/MoneyText.h"
#include "price/PricePosition.h"

namespace tesmarik {

namespace {

std::string Kopecks(std::int64_t kopecks) {
    return ShowMoney(static_cast<double>(kopecks) / 100);
}

}  // namespace

const OfferRow& OfferHeading() {
    static const OfferRow heading{
        "№",        "Наименование", "Кол-во",          "Ед.", "Труб, шт.", "Длина, м",
        "Масса, т", "Цена, руб./т", "Стоимость, руб.", "ТС"};
    return heading;
}

OfferRow PositionRow(const Offer& offer, const OfferFigures& figures, std::size_t index) {
    const OfferPosition& p = offer.positions.at(index);
    const CostFigures& f = figures.positions.at(index);
    const VehicleNeed& need = figures.transport.at(index);
    const auto price = PricePerTonne(p.price);
    return {ShowInteger(static_cast<long long>(index + 1)),
            PositionName(p),
            ShowNumber(p.quantity),
            UnitText(p.unit),
            ShowNumber(f.pieces),
            ShowNumber(f.length),
            ShowNumber(f.mass),
            price ? ShowMoney(*price) : p.price,
            f.cost ? ShowMoney(*f.cost) : kNegotiableCost,
            need.vehicles ? ShowNumber(*need.vehicles) : need.problem};
}

std::string VehicleName(int vehicle) {
    // In the loading tab's order; the tab keeps its own names.
    static const char* const names[] = {
        "стандартный полувагон",
        "полувагон с наращёнными бортами",
        "платформа-трубовоз",
        "автомашина с полуприцепом (с кониками)",
        "автомашина с полуприцепом (без коников)",
    };
    static_assert(std::size(names) == kVehicleCount);
    return vehicle >= 0 && vehicle < kVehicleCount ? names[vehicle] : std::string();
}

std::string VatCaption(const OfferFigures& figures) {
    if (!figures.vatRate.value) {
        return {};
    }
    const double rate = *figures.vatRate.value;
    return rate == 0 ? "Без НДС" : "в том числе НДС " + ShowNumber(rate) + " %";
}

OfferSummary SummaryOf(const Offer& offer, const OfferFigures& figures) {
    OfferSummary s;
    if (offer.positions.empty()) {
        return s;
    }
    s.totals = "Итого: " + ShowNumber(figures.mass) + " т, " + ShowNumber(figures.length) + " м, " +
               ShowNumber(figures.pieces) + " шт.";
    s.cost = "Стоимость: " + Kopecks(figures.costKopecks) + " руб.";
    if (figures.negotiableLeftOut) {
        s.cost += " без учёта позиций с договорной ценой";
    }
    if (figures.vatRate.value) {
        s.vat = *figures.vatRate.value == 0
                    ? VatCaption(figures)
                    : VatCaption(figures) + ": " + Kopecks(figures.vatKopecks) + " руб.";
    }
    s.words = SumInWords(figures.costKopecks);
    s.transport = "Транспорт (" + VehicleName(offer.vehicle) + "): ";
    s.transport += figures.vehiclesIncomplete
                       ? ShowNumber(figures.vehicles) + " ТС (без позиций, для которых нет расчёта)"
                       : ShowNumber(figures.vehicles) + " ТС";
    if (figures.byCapacity) {
        s.transport += "; не менее " + ShowNumber(*figures.byCapacity) + " ТС по грузоподъёмности";
    }
    if (!offer.priceDate.empty()) {
        s.priceDate = "Цены по прайсу от " + offer.priceDate;
    }
    return s;
}

std::vector<std::string> SummaryLines(const OfferSummary& s) {
    std::vector<std::string> lines;
    for (const std::string* line :
         {&s.totals, &s.cost, &s.vat, &s.words, &s.transport, &s.priceDate}) {
        if (!line->empty()) {
            lines.push_back(*line);
        }
    }
    return lines;
}

std::string OfferTitle(const Offer& offer) {
    return "Коммерческое предложение № " + offer.number + " от " + ShortDate(offer.started);
}

}  // namespace tesmarik
