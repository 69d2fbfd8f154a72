#pragma once

#include "form/TForm1.h"
#include "tabs/mass/MassState.h"
#include "tabs/mass/PipeState.h"

namespace tesmarik {

// The user chose a calculation mode: show the inputs of that mode, empty the grid.
void RadioGroup2Click(TForm1& f, MassState& mass);
// A key typed into the quantity field: the average length becomes editable.
void Edit10KeyPress(TForm1& f, const MassState& mass);
// A key typed into the lengths grid: a fresh row below the last filled one, and back to
// typing lengths.
void rtabKeyPress(TForm1& f);
// The calculation run: mass of one metre, the mode's quantities, result panel and log.
void Button1Click(TForm1& f, PipeState& pipe);
// Switches between the lengths grid and the lengths report.
void BitBtn1Click(TForm1& f);
// Switches the result area between the result panel and the log.
void BitBtn4Click(TForm1& f);

}  // namespace tesmarik
