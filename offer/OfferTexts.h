#pragma once

#include <array>
#include <string>
#include <vector>

#include "offer/OfferTotals.h"

namespace tesmarik {

// The columns of the offer's table, as the window, the clipboard, the page and the
// workbook show them.
enum OfferColumn {
    kNumberColumn,
    kNameColumn,
    kQuantityColumn,
    kUnitColumn,
    kPiecesColumn,
    kLengthColumn,
    kMassColumn,
    kPriceColumn,
    kCostColumn,
    kVehiclesColumn,
    kOfferColumns
};
using OfferRow = std::array<std::string, kOfferColumns>;

// The table's heading.
const OfferRow& OfferHeading();
// A position's row: its number from 1, its name, quantity, figures, price, cost
// ("договорная" when the price is no number) and vehicles (or why none are counted).
OfferRow PositionRow(const Offer& offer, const OfferFigures& figures, std::size_t index);

inline constexpr const char* kNegotiableCost = "договорная";

// The lines under the table: the totals, the VAT, the sum in words, the transport and
// the date of the price list. Each is empty when the offer has nothing to say there.
struct OfferSummary {
    std::string totals;  // "Итого: 129,01 т, 1240,359 м, 109 шт."
    std::string cost;  // "Стоимость: 10 147 285,00 руб." (and the note on negotiable ones)
    std::string vat;        // "в том числе НДС 22 %: 1 829 838,11 руб."
    std::string words;      // "Десять миллионов ... 00 копеек"
    std::string transport;  // "Транспорт (стандартный полувагон): 6 ТС; не менее 3 ТС ..."
    std::string priceDate;  // "Цены по прайсу от 10.12.2026"
};
OfferSummary SummaryOf(const Offer& offer, const OfferFigures& figures);

// Its lines in the order a document prints them, the empty ones left out.
std::vector<std::string> SummaryLines(const OfferSummary& summary);

// "Коммерческое предложение № 101226-1530 от 10.12.2026"
std::string OfferTitle(const Offer& offer);

// The VAT's caption: "в том числе НДС 22 %", or "Без НДС" when the rate is 0; empty
// while the rate is not usable.
std::string VatCaption(const OfferFigures& figures);

// The vehicle's name as the offer and its documents say it to a client, in plain words.
std::string VehicleName(int vehicle);

}  // namespace tesmarik
