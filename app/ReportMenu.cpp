#include "app/ReportMenu.h"

#include <utility>

namespace tesmarik {

PrintedReport ReportOf(const Memo& memo, const std::string& title, Platform& platform) {
    PrintedReport report;
    report.title = title;
    report.printedAt = platform.Now();
    report.lines.reserve(memo.Lines.size());
    for (const std::string& line : memo.Lines) {
        // A carriage return inside a line (the note of the mass log) is not shown on
        // screen, and is not printed either.
        std::string shown;
        for (const char c : line) {
            if (c != '\r') {
                shown += c;
            }
        }
        report.lines.push_back(std::move(shown));
    }
    return report;
}

void CopyReport(const Memo& memo, Platform& platform) {
    const std::string selected = memo.SelectedText();
    platform.CopyText(selected.empty() ? memo.ShownText() : selected);
}

void PrintReport(const DescribeReport& describe, Platform& platform) {
    platform.Print(describe());
}

void SaveReportPdf(const DescribeReport& describe, Platform& platform) {
    const auto path = platform.SaveDialog(SaveDialogRequest{"PDF|*.pdf", "pdf", {}});
    if (path) {
        platform.WritePdf(*path, describe());
    }
}

void OfferReportMenu(Memo& memo, Platform& platform, DescribeReport describe) {
    memo.PopupMenu = {
        {"Копировать", [&memo, &platform] { CopyReport(memo, platform); }},
        {"Выделить всё", [&memo] { memo.SelectAll(); }},
        {"Печать…", [describe, &platform] { PrintReport(describe, platform); }},
        {"Сохранить в PDF…", [describe, &platform] { SaveReportPdf(describe, platform); }},
    };
}

}  // namespace tesmarik
