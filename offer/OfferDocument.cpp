#include "offer/OfferDocument.h"

#include <array>
#include <string_view>

#include "price/PricePosition.h"

namespace tesmarik {

namespace {

// The lines over the table: the seller, then the client and the comment when given.
std::vector<std::string> HeadLines(const Offer& offer, const SellerLines& seller) {
    std::vector<std::string> lines{seller.name, seller.site + ", " + seller.email, ""};
    if (!offer.client.empty()) {
        lines.push_back("Клиент: " + offer.client);
    }
    if (!offer.comment.empty()) {
        lines.push_back("Комментарий: " + offer.comment);
    }
    return lines;
}

std::vector<OfferRow> Rows(const Offer& offer, const OfferFigures& figures) {
    std::vector<OfferRow> rows;
    for (std::size_t i = 0; i < offer.positions.size(); ++i) {
        rows.push_back(PositionRow(offer, figures, i));
    }
    return rows;
}

// Russian spreadsheets show these with a blank between thousands and the decimal comma.
constexpr const char* kMoneyFormat = "#,##0.00";
constexpr const char* kMassFormat = "#,##0.000";
constexpr const char* kLengthFormat = "#,##0.000";
constexpr const char* kWholeFormat = "#,##0";

// A column letter of the sheet, from A.
std::string ColumnLetter(int column) {
    return std::string(1, static_cast<char>('A' + column));
}

}  // namespace

PrintedReport OfferReport(const Offer& offer, const OfferFigures& figures,
                          const SellerLines& seller, const DateTime& printedAt) {
    PrintedReport report;
    report.title = OfferTitle(offer);
    report.printedAt = printedAt;
    report.lines = HeadLines(offer, seller);
    const OfferRow& heading = OfferHeading();
    report.table.heading.assign(heading.begin(), heading.end());
    for (const OfferRow& row : Rows(offer, figures)) {
        report.table.rows.emplace_back(row.begin(), row.end());
    }
    report.table.widths = {3, 26, 8, 4, 6, 9, 8, 11, 13, 9};
    report.table.rightAligned = {true, false, true, false, true, true, true, true, true, true};
    report.linesAfter = SummaryLines(SummaryOf(offer, figures));
    return report;
}

Workbook OfferWorkbook(const Offer& offer, const OfferFigures& figures, const SellerLines& seller) {
    using Cell = WorkbookCell;
    Workbook book;
    book.title = OfferTitle(offer);
    book.sheetName = "Предложение";
    book.columnWidths = {5, 42, 10, 6, 10, 12, 12, 14, 17, 16};
    book.rows.push_back({Cell::Text(OfferTitle(offer), true)});
    for (const std::string& line : HeadLines(offer, seller)) {
        book.rows.push_back({line.empty() ? Cell{} : Cell::Text(line)});
    }
    std::vector<Cell> heading;
    for (const std::string& text : OfferHeading()) {
        heading.push_back(Cell::Text(text, true));
    }
    book.rows.push_back(heading);

    const int firstRow = static_cast<int>(book.rows.size()) + 1;  // as the sheet counts
    for (std::size_t i = 0; i < offer.positions.size(); ++i) {
        const OfferPosition& p = offer.positions[i];
        const CostFigures& f = figures.positions[i];
        const VehicleNeed& need = figures.transport[i];
        const OfferRow texts = PositionRow(offer, figures, i);
        const auto price = PricePerTonne(p.price);
        const char* quantityFormat = p.unit == QuantityUnit::Tonnes   ? kMassFormat
                                     : p.unit == QuantityUnit::Pieces ? kWholeFormat
                                                                      : kLengthFormat;
        book.rows.push_back({
            Cell::Number(static_cast<double>(i + 1), kWholeFormat),
            Cell::Text(texts[kNameColumn]),
            Cell::Number(p.quantity, quantityFormat),
            Cell::Text(texts[kUnitColumn]),
            Cell::Number(f.pieces, kWholeFormat),
            Cell::Number(f.length, kLengthFormat),
            Cell::Number(f.mass, kMassFormat),
            price ? Cell::Number(*price, kMoneyFormat) : Cell::Text(p.price),
            f.cost ? Cell::Number(*f.cost, kMoneyFormat) : Cell::Text(kNegotiableCost),
            need.vehicles ? Cell::Number(*need.vehicles, kWholeFormat) : Cell::Text(need.problem),
        });
    }
    const int lastRow = static_cast<int>(book.rows.size());
    if (offer.positions.empty()) {
        return book;
    }
    const auto sum = [&](OfferColumn column, double value, const char* format) {
        const std::string letter = ColumnLetter(column);
        return Cell::Formula("=SUM(" + letter + std::to_string(firstRow) + ":" + letter +
                                 std::to_string(lastRow) + ")",
                             value, format, true);
    };
    const double cost = static_cast<double>(figures.costKopecks) / 100;
    std::vector<Cell> totals(kOfferColumns);
    totals[kNameColumn] = Cell::Text("Итого", true);
    totals[kPiecesColumn] = sum(kPiecesColumn, figures.pieces, kWholeFormat);
    totals[kLengthColumn] = sum(kLengthColumn, figures.length, kLengthFormat);
    totals[kMassColumn] = sum(kMassColumn, figures.mass, kMassFormat);
    totals[kCostColumn] = sum(kCostColumn, cost, kMoneyFormat);
    totals[kVehiclesColumn] = sum(kVehiclesColumn, figures.vehicles, kWholeFormat);
    book.rows.push_back(totals);
    const int totalsRow = lastRow + 1;

    const OfferSummary summary = SummaryOf(offer, figures);
    if (figures.vatRate.value) {
        const double rate = *figures.vatRate.value;
        std::vector<Cell> vat(kOfferColumns);
        vat[kNameColumn] = Cell::Text("в том числе НДС, %");
        vat[kQuantityColumn] = Cell::Number(rate, "0.##");
        const std::string costCell = ColumnLetter(kCostColumn) + std::to_string(totalsRow);
        const std::string rateCell = ColumnLetter(kQuantityColumn) + std::to_string(totalsRow + 1);
        vat[kCostColumn] =
            Cell::Formula("=ROUND(" + costCell + "*" + rateCell + "/(100+" + rateCell + "),2)",
                          static_cast<double>(figures.vatKopecks) / 100, kMoneyFormat);
        book.rows.push_back(vat);
    }
    book.rows.push_back({});
    for (const std::string* line :
         {&summary.cost, &summary.vat, &summary.words, &summary.transport, &summary.priceDate}) {
        if (!line->empty()) {
            book.rows.push_back({Cell{}, Cell::Text(*line)});
        }
    }
    return book;
}

std::string OfferClipboardText(const Offer& offer, const OfferFigures& figures) {
    std::string text;
    const auto append = [&text](const auto& row) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            text += (c > 0 ? "\t" : "") + PastedAsText(row[c]);
        }
        text += '\n';
    };
    append(OfferHeading());
    for (const OfferRow& row : Rows(offer, figures)) {
        append(row);
    }
    // The totals, the VAT and the sum in words under the table, as the window shows them.
    text += '\n';
    for (const std::string& line : SummaryLines(SummaryOf(offer, figures))) {
        append(std::array{line});
    }
    return text;
}

std::string PastedAsText(const std::string& field) {
    std::string out = field;
    // A spreadsheet takes a pasted "=", "+", "-" or "@" for the start of a formula; the
    // apostrophe makes it text and does not show.
    if (!out.empty() && std::string_view("=+-@").find(out.front()) != std::string_view::npos) {
        out.insert(out.begin(), '\'');
    }
    // A tab, a line break or a quote inside a field: the field in quotes, its quotes doubled,
    // so that it stays in its own cell.
    if (out.find_first_of("\t\r\n\"") != std::string::npos) {
        std::string quoted = "\"";
        for (const char c : out) {
            quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        }
        out = quoted + "\"";
    }
    return out;
}

}  // namespace tesmarik
