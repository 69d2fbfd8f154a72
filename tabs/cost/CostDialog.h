#pragma once

#include "form/TForm2.h"
#include "price/PricePosition.h"
#include "tabs/cost/CostState.h"

namespace tesmarik {

// Fills the cost window with the position, the quantity emptied, before it opens.
void ShowCostOfPosition(TForm2& f, CostState& s, const PricePosition& position);

// The figures for what the window now holds. Input that is not usable is said in Label12,
// and no figure it would give stands beside it.
void RecalculateCost(TForm2& f, const CostState& s);

// A new unit of the quantity: its abbreviation beside the field, then the figures.
void CostRadioGroup1Click(TForm2& f, const CostState& s);

}  // namespace tesmarik
