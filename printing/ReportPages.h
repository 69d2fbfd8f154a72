#pragma once

#include <QPagedPaintDevice>
#include <string>

#include "common/PrintedReport.h"

namespace tesmarik {

// Paints the report's pages on a printer or a PDF writer: on each page the program's name
// and the time of printing over a rule and the page number at the foot; the title on the
// first; then the lines in order, page after page, and the picture with its caption.
// False when the device cannot be painted on. Needs a QGuiApplication (for the fonts).
bool PaintReport(QPagedPaintDevice& device, const PrintedReport& report);

// The report as an A4 PDF file, written as the other reports are (see QtFiles::WriteFile);
// throws "Cannot create file ..." when it cannot be written.
void WriteReportPdf(const std::string& path, const PrintedReport& report);

}  // namespace tesmarik
