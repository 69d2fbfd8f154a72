#pragma once

#include <string>
#include <vector>

#include "common/DateTime.h"

namespace tesmarik {

// A table of a printed document: its heading row, then its rows; cells wrap within
// their column.
struct PrintedTable {
    std::vector<std::string> heading;
    std::vector<std::vector<std::string>> rows;
    std::vector<double> widths;      // share of the page's width per column
    std::vector<bool> rightAligned;  // per column: figures line up on the right
};

// A report as it goes to paper or to a PDF file: what the pages say, not how they look.
// Every page opens with the program's name and the time of printing; the first also
// carries the title; the lines follow in order, then the table and the lines after it,
// then the picture with its caption.
struct PrintedReport {
    std::string title;
    DateTime printedAt;
    std::vector<std::string> lines;
    PrintedTable table;                   // no heading: none
    std::vector<std::string> linesAfter;  // below the table
    std::string picture;                  // name of one of the program's own drawings; empty: none
    // The size the window shows the picture at, which its drawing is made for.
    int pictureWidth = 0;
    int pictureHeight = 0;
    std::string pictureCaption;
};

// The heading every page of a printed report opens with.
inline constexpr const char* kReportProgramName = "Тесмарик";

}  // namespace tesmarik
