#pragma once

#include <string>

#include "common/Workbook.h"

namespace tesmarik {

// The workbook as an .xlsx file, replacing the file only once it is complete as the other
// saves do; throws "Cannot create file ..." when it cannot be written.
void WriteWorkbookFile(const std::string& path, const Workbook& workbook);

}  // namespace tesmarik
