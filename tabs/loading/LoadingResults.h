#pragma once

#include <string>

#include "form/TForm1.h"
#include "loading/LoadingFigures.h"
#include "loading/LoadingReport.h"

namespace tesmarik {

// Writes computed figures to the result panel and rebuilds the report Memo3 from
// scratch. The position shows the field texts as they stand.
void ShowLoadingResults(TForm1& f, const LoadingFigures& figures, const LoadingInputs& texts,
                        const std::string& reportName);

}  // namespace tesmarik
