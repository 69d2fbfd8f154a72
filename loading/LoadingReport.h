#pragma once

#include <string>

#include "form/TForm1.h"
#include "loading/LoadingFigures.h"

namespace tesmarik {

inline constexpr const char* kCapacityWarning =
    "Максимальная загрузка расчитанная по объёму превышает грузоподъёмность ТС";

// Writes computed figures to the result panel and rebuilds the report Memo3 from
// scratch: 6 lines, 4 more in the capacity case, 15 more with a consignment. The
// position shows the field texts as they stand.
void ShowLoadingResults(TForm1& f, const LoadingFigures& figures, const LoadingInputs& texts,
                        const std::string& reportName);

}  // namespace tesmarik
