#pragma once

#include "form/MemoryForms.h"
#include "price/PriceFilter.h"
#include "tabs/memory/MemoryState.h"

namespace tesmarik {

// Fills "Изменения прайса": the newest kept list against the earlier one picked in the
// drop-down (its item `earlier`, the previous list for 0), the rows that changed and match
// the price tab's filter. Fewer than two lists: it says so.
void ShowPriceChanges(TForm4& f, MemoryState& m, Database& db, const PriceCriteria& filter,
                      int earlier);

// The colours of a row of its grid: dearer red, cheaper green, new blue, withdrawn grey,
// each on a pale ground of its own.
CellPaint PriceChangePaint(const MemoryState& m, int row);

// "+1 500,00" / "−1 500,00": a change of price with its sign, so that it reads without
// colour.
std::string SignedMoney(std::int64_t kopecks);

}  // namespace tesmarik
