#pragma once

#include "common/Platform.h"
#include "form/TForm1.h"
#include "loading/LoadingFigures.h"
#include "loading/LoadingReport.h"
#include "tabs/loading/LoadingState.h"

namespace tesmarik {

// The figures of the fields' texts: each field is read just before the step that needs
// it, so that a failing field or step names the first cause the computation meets.
LoadingFigures LoadingFiguresOfFields(const LoadingInputs& fields, const LoadingState& state);

// "Рассчёт": the loading norm of one vehicle and, with a consignment, the vehicles needed.
void Button2Click(TForm1& f, const LoadingState& state);
// The user chose whether the consignment is given by mass or by length.
void RadioGroup3Click(TForm1& f, LoadingState& state);
// "Сброс": back to the state before any choice, the report and the pictures aside.
void Button7Click(TForm1& f, LoadingState& state);
// Toggles between the result panel and the report in its place.
void BitBtn2Click(TForm1& f);
// Saves the report as it stands (edits included) to a file the user names.
void BitBtn3Click(TForm1& f, Platform& platform);

}  // namespace tesmarik
