#pragma once

#include <string>

#include "assortment/SizeGrid.h"

namespace tesmarik {

enum class CalcKind { None, Universal, BoilerThickWalled };

// The size selection of the mass tab.
struct AssortmentState {
    CalcKind calcKind = CalcKind::None;
    std::string calcKindText;  // the text of the type item chosen last
    SizeGrid assortmentGrid;   // the universal assortment, filled when that type is chosen
    SizeGrid tuMassTable;      // the mass table of the document chosen last
    std::string tuTableCode;   // which table tuMassTable holds
    int selectedRow = 0;       // row of the chosen diameter in the grid of the current type
};

}  // namespace tesmarik
