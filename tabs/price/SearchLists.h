#pragma once

#include "form/TForm1.h"
#include "tabs/price/PriceState.h"

namespace tesmarik {

// Appends to the standard list (ComboBox10) and the steel list (ComboBox9) the values of
// the store they do not hold yet, in order of first appearance; the lists only grow and
// keep their selection.
void FillSearchLists(TForm1& f, const PriceStore& store);

}  // namespace tesmarik
