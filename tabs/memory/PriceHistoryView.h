#pragma once

#include "form/MemoryForms.h"
#include "memory/PriceChanges.h"

namespace tesmarik {

// "history-chart;10.12.2026,7850000;11.12.2026,7900000": the chart's picture, each kept
// list's date and the row's price per tonne in kopecks (a price that is no number is left
// out of the chart).
std::string HistoryPictureName(const std::vector<PricePoint>& points);

// Fills "История цены" for the row: its price in each kept list, the oldest first, as a
// chart and as a table.
void ShowPriceHistory(TForm6& f, Database& db, const PriceRow& row);

}  // namespace tesmarik
