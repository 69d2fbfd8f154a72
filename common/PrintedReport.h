#pragma once

#include <string>
#include <vector>

#include "common/DateTime.h"

namespace tesmarik {

// A line under a table's rows, in the table's font: its cells stand under the table's
// columns, a cell over as many columns as its span says.
struct PrintedTableLine {
    std::vector<std::string> cells;
    std::vector<int> spans;  // columns each cell covers, from the first; missing: one
    bool bold = false;
    bool joinedRight = false;  // a cell over several columns lines up on the right
};

// A table of a printed document: its heading row, then its rows; cells wrap within
// their column. Each column is as wide as its figures and its heading's words need; the
// columns whose share is given take the rest of the page's width in those shares. The
// heading opens the table again on every page it goes on to, and no row is split.
struct PrintedTable {
    std::vector<std::string> heading;
    std::vector<std::vector<std::string>> rows;
    std::vector<double> widths;          // share of the rest per column; 0: as its content
    std::vector<bool> rightAligned;      // per column: figures line up on the right
    std::vector<PrintedTableLine> foot;  // under the rows: totals and the like
};

// A report as it goes to paper or to a PDF file: what the pages say, not how they look.
// Every page opens with the program's name and the time of printing; the first also
// carries the title; the lines follow in order, then the table and the lines after it,
// then the picture with its caption. A document with a letterhead is a letter instead:
// the letterhead opens its first page, and its pages carry no heading, only the footnote
// and the page number at the foot.
struct PrintedReport {
    std::string title;
    DateTime printedAt;
    std::vector<std::string> letterhead;  // the sender, its first line the name; empty: none
    std::string footnote;                 // a small line at the foot of each page
    bool proportionalLines = false;       // the lines in the table's face, not fixed-pitch
    // The file name (without its extension) a print to a file or a save proposes.
    std::string fileName;
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
