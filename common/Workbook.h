#pragma once

#include <string>
#include <vector>

namespace tesmarik {

// One cell of a spreadsheet as the program describes it: what it holds, not how a file
// lays it out.
struct WorkbookCell {
    enum class Kind { Empty, Text, Number, Formula, TextFormula };
    Kind kind = Kind::Empty;
    std::string text;    // the text, or the formula ("=SUM(G6:G9)")
    double number = 0;   // the number, or the value the formula gives
    std::string result;  // the text a text formula gives
    std::string format;  // number format code, "#,##0.00"; empty: general
    bool bold = false;
    bool wrap = false;    // long text wraps within the column
    bool border = false;  // framed by thin lines, as a table's cell

    static WorkbookCell Text(std::string text, bool bold = false) {
        WorkbookCell c;
        c.kind = Kind::Text;
        c.text = std::move(text);
        c.bold = bold;
        return c;
    }
    static WorkbookCell Number(double value, std::string format) {
        WorkbookCell c;
        c.kind = Kind::Number;
        c.number = value;
        c.format = std::move(format);
        return c;
    }
    static WorkbookCell Formula(std::string formula, double value, std::string format,
                                bool bold = false) {
        WorkbookCell c;
        c.kind = Kind::Formula;
        c.text = std::move(formula);
        c.number = value;
        c.format = std::move(format);
        c.bold = bold;
        return c;
    }
    static WorkbookCell TextFormula(std::string formula, std::string result) {
        WorkbookCell c;
        c.kind = Kind::TextFormula;
        c.text = std::move(formula);
        c.result = std::move(result);
        return c;
    }
};

// A workbook of one sheet: its rows from the first, and the width of its columns in
// characters.
struct Workbook {
    std::string title;      // the document's title
    std::string sheetName;  // at most 31 characters
    std::vector<double> columnWidths;
    std::vector<std::vector<WorkbookCell>> rows;
    // The printed page: A4, across when landscape, the columns fitted to its width; the
    // heading row (from 0; -1: none) opens every page.
    bool landscape = false;
    int headingRow = -1;
    // Sheets that follow the first, each laid out as the first is (their title unused).
    std::vector<Workbook> moreSheets;
};

}  // namespace tesmarik
