#pragma once

#include "app/Window.h"

namespace tesmarik {

// The context menu of the price grid; each item works on the grid's current row and does
// nothing on a row without a position.
inline constexpr const char* kCostItem = "Стоимость…";
inline constexpr const char* kMassTabItem = "Открыть в расчёте массы";
inline constexpr const char* kAddToOfferItem = "Добавить в предложение…";
inline constexpr const char* kOfferItem = "Предложение…";

// Opens the cost window over the main window with the current row's position.
void OpenCostWindow(Window& w);

// Brings the mass tab to the front with the universal type and the row's diameter and
// wall chosen, through the user's own actions, so every handler runs as for a pick. A
// field that lists several sizes gives its first. A size the universal assortment lacks
// is said in a message, and nothing changes.
void OpenInMassTab(Window& w);

// Opens the offer's window ("Предложение…"), showing the offer as it stands.
void OpenOfferWindow(Window& w);

}  // namespace tesmarik
