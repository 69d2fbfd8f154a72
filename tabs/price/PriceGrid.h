#pragma once

#include <string>
#include <vector>

#include "form/TForm1.h"
#include "tabs/price/PriceState.h"

namespace tesmarik {

// Applies the search lists to the store and writes the matching rows into Tabl; the steel
// and standard lists are locked on "все" while reconditioned pipes are chosen. When a
// range cannot be read, Tabl keeps the rows of the previous run.
void FilterPrices(TForm1& f, const PriceStore& store);

// The cells of a row of the grid in column order; none for the heading and for a row
// beyond the grid.
std::vector<std::string> CellsOfRow(const StringGrid& grid, int row);

}  // namespace tesmarik
