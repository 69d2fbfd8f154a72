#pragma once

#include <string>

#include "common/Workbook.h"

namespace tesmarik {

// The workbook as an .xlsx file, replacing the file only once it is complete as the other
// saves do; throws "Cannot create file ..." when it cannot be written, and a message naming
// the file and the reason when the workbook cannot be made (a text longer than a cell
// holds, a temporary folder without room).
void WriteWorkbookFile(const std::string& path, const Workbook& workbook);

// libxlsxwriter writes the numbers of the file (cell values, column widths) with the C
// library's printf, which follows LC_NUMERIC; a Qt application on Unix sets it from the
// environment, and under a Russian locale "104,01" would break the file. The program sets
// LC_NUMERIC to "C" for the whole process once, right after its application object is
// made, as Qt's documentation advises, rather than around the library's calls: setlocale
// is process-wide, and changing it while another thread formats a number is unsafe. The
// program's own numbers never go through the C locale. Harmless on Windows, whose C
// runtime starts in "C" and which Qt leaves there.
void KeepNumbersInCLocale();

}  // namespace tesmarik
