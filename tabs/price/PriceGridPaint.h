#pragma once

#include "controls/Controls.h"
#include "form/TForm1.h"

namespace tesmarik {

// The supply marker of a position brought in to order, as field 9 of its line holds it,
// and the cell of Tabl beyond the shown columns where each grid row carries its marker.
inline constexpr const char* kSupplyToOrderMarker = "AEA5A3";
inline constexpr int kMarkerColumn = 10;

inline constexpr Color kSupplyFill{163, 165, 174};      // grey
inline constexpr Color kSupplyRow3Fill{204, 255, 204};  // pale green, the third data row
inline constexpr Color kSupplyFocusFill = kBlack;
inline constexpr Color kSupplyFocusText = kWhite;

// How Tabl paints a cell: the rows of positions supplied to order are filled (the focused
// cell black with white text); every other cell keeps the grid's own look.
CellPaint TablDrawCell(const TForm1& f, int col, int row, DrawCellState state);

}  // namespace tesmarik
