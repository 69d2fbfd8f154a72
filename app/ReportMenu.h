#pragma once

#include <functional>

#include "common/Platform.h"
#include "common/PrintedReport.h"
#include "controls/Controls.h"

namespace tesmarik {

// What the context menu of a report does. A report is a multi-line field; what goes to
// paper is described by a function, called when the pages are made, so that they carry
// the time of printing and the report as it stands then.
using DescribeReport = std::function<PrintedReport()>;

// The report's lines under its title, stamped with the platform's clock.
PrintedReport ReportOf(const Memo& memo, const std::string& title, Platform& platform);

// The selection on the clipboard, or the whole report when nothing is selected.
void CopyReport(const Memo& memo, Platform& platform);
void PrintReport(const DescribeReport& describe, Platform& platform);
// The save dialog for a PDF file, then the file.
void SaveReportPdf(const DescribeReport& describe, Platform& platform);

// "Копировать", "Выделить всё", "Печать…", "Сохранить в PDF…" on the report.
void OfferReportMenu(Memo& memo, Platform& platform, DescribeReport describe);

}  // namespace tesmarik
