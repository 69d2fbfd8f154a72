#include "offer/OfferDocument.h"

#include <array>
#include <string_view>

#include "common/Numbers.h"
#include "common/Text.h"
#include "offer/OfferPlanSheet.h"
#include "offer/SumInWords.h"
#include "price/MoneyText.h"
#include "price/PricePosition.h"

namespace tesmarik {

namespace {

// The letterhead: the seller's name, then its particulars.
std::vector<std::string> Letterhead(const SellerIdentity& seller) {
    return {seller.name, "Адрес: " + seller.address, seller.taxIds, seller.bank,
            "Тел.: " + seller.phone + ", " + seller.site + ", e-mail: " + seller.email};
}

// The lines over the table: the client and the comment when given.
std::vector<std::string> HeadLines(const Offer& offer) {
    std::vector<std::string> lines;
    if (!offer.client.empty()) {
        lines.push_back("Клиент: " + offer.client);
    }
    if (!offer.comment.empty()) {
        lines.push_back("Комментарий: " + offer.comment);
    }
    return lines;
}

// The terms the offer is made on, each when given.
std::vector<std::string> TermsLines(const Offer& offer) {
    std::vector<std::string> lines;
    if (!offer.terms.validUntil.empty()) {
        lines.push_back("Предложение действительно до " + offer.terms.validUntil + ".");
    }
    if (!offer.terms.delivery.empty()) {
        lines.push_back("Условия поставки: " + offer.terms.delivery);
    }
    if (!offer.terms.payment.empty()) {
        lines.push_back("Условия оплаты: " + offer.terms.payment);
    }
    return lines;
}

// The manager's signature: the position, a line to sign on and the name, then how the
// client reaches the manager.
std::vector<std::string> SignatureLines(const OfferManager& m) {
    const std::string position = m.position.empty() ? "Менеджер" : m.position;
    std::vector<std::string> lines{position + "   ____________________   " + m.name};
    std::string contacts;
    if (!m.phone.empty()) {
        contacts = "Тел.: " + m.phone;
    }
    if (!m.email.empty()) {
        contacts += (contacts.empty() ? "" : ", ") + std::string("e-mail: ") + m.email;
    }
    if (!contacts.empty()) {
        lines.push_back(contacts);
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

std::string Kopecks(std::int64_t kopecks) {
    return ShowMoney(static_cast<double>(kopecks) / 100);
}

// The lines that close the table's block: "Итого" with the totals under their columns,
// the VAT, and the sum in words.
std::vector<PrintedTableLine> TableFoot(const OfferFigures& figures) {
    std::vector<PrintedTableLine> foot;
    PrintedTableLine totals;
    totals.cells = {"Итого",
                    ShowNumber(figures.pieces),
                    ShowNumber(figures.length),
                    ShowNumber(figures.mass),
                    "",
                    Kopecks(figures.costKopecks),
                    figures.vehiclesIncomplete ? std::string() : ShowNumber(figures.vehicles)};
    totals.spans = {kPiecesColumn};
    totals.bold = true;
    totals.joinedRight = true;
    foot.push_back(totals);
    if (const std::string vat = VatCaption(figures); !vat.empty()) {
        PrintedTableLine line;
        const bool none = *figures.vatRate.value == 0;
        line.cells = {vat, none ? std::string() : Kopecks(figures.vatKopecks), ""};
        line.spans = {kCostColumn};
        line.joinedRight = true;
        foot.push_back(line);
    }
    PrintedTableLine words;
    words.cells = {"Всего: " + SumInWords(figures.costKopecks) +
                   (figures.negotiableLeftOut ? " (без учёта позиций с договорной ценой)" : "")};
    words.spans = {kOfferColumns};
    foot.push_back(words);
    return foot;
}

// Russian spreadsheets show these with a blank between thousands and the decimal comma.
constexpr const char* kMoneyFormat = "#,##0.00";
constexpr const char* kMassFormat = "#,##0.000";
constexpr const char* kLengthFormat = "#,##0.000";
constexpr const char* kWholeFormat = "#,##0";
constexpr const char* kMetreMassFormat = "#,##0.00";

// The workbook's columns past the table's own: what a row's formulas compute from.
enum WorkbookColumn { kMetreMassColumn = kOfferColumns, kAverageLengthColumn, kWorkbookColumns };

// A column letter of the sheet, from A.
std::string ColumnLetter(int column) {
    return std::string(1, static_cast<char>('A' + column));
}

// The address of a cell, its row as the sheet counts.
std::string CellName(int column, int row) {
    return ColumnLetter(column) + std::to_string(row);
}

// The formulas of a position's row (numbered as the sheet counts) in its unit: the cost
// window's arithmetic, each figure rounded as it rounds it.
struct RowFormulas {
    std::string pieces;
    std::string length;
    std::string mass;
};
RowFormulas FormulasOf(QuantityUnit unit, int row) {
    const std::string q = CellName(kQuantityColumn, row);
    const std::string metre = CellName(kMetreMassColumn, row);
    const std::string average = CellName(kAverageLengthColumn, row);
    const std::string length = CellName(kLengthColumn, row);
    const std::string mass = CellName(kMassColumn, row);
    // Whole pipes, a quotient within 1e-9 of a whole number counted as that number.
    const std::string pieces = "=INT(" + length + "/" + average + "*(1+1E-9))";
    const std::string massOfLength = "=ROUND(" + length + "*" + metre + "/1000,3)";
    switch (unit) {
        case QuantityUnit::Tonnes:
            return {pieces, "=ROUND(" + mass + "*1000/" + metre + ",3)", "=ROUND(" + q + ",3)"};
        case QuantityUnit::Pieces:
            return {"=" + q, "=ROUND(" + q + "*" + average + ",3)", massOfLength};
        case QuantityUnit::Metres:
            break;
    }
    return {pieces, "=" + q, massOfLength};
}

}  // namespace

PrintedReport OfferReport(const Offer& offer, const OfferFigures& figures,
                          const SellerIdentity& seller, const DateTime& printedAt) {
    PrintedReport report;
    report.title = OfferTitle(offer);
    report.printedAt = printedAt;
    report.letterhead = Letterhead(seller);
    report.footnote = "Составлено в программе Тесмарик " + ShortDateTime(printedAt);
    report.proportionalLines = true;
    report.fileName = OfferFileName(offer);
    report.lines = HeadLines(offer);
    const OfferRow& heading = OfferHeading();
    report.table.heading.assign(heading.begin(), heading.end());
    for (const OfferRow& row : Rows(offer, figures)) {
        report.table.rows.emplace_back(row.begin(), row.end());
    }
    // The name takes the room the figures leave.
    report.table.widths.assign(kOfferColumns, 0);
    report.table.widths[kNameColumn] = 1;
    report.table.rightAligned = {true, false, true, false, true, true, true, true, true, true};
    if (!offer.positions.empty()) {
        report.table.foot = TableFoot(figures);
    }
    const OfferSummary summary = SummaryOf(offer, figures);
    if (!summary.transport.empty()) {
        report.linesAfter.push_back(summary.transport);
    }
    AddPlanToReport(report, PlanOffer(offer, figures, true));
    if (!summary.priceDate.empty()) {
        report.linesAfter.push_back(summary.priceDate);
    }
    report.linesAfter.emplace_back();
    for (const std::string& line : TermsLines(offer)) {
        report.linesAfter.push_back(line);
    }
    report.linesAfter.emplace_back();
    for (const std::string& line : SignatureLines(offer.manager)) {
        report.linesAfter.push_back(line);
    }
    return report;
}

Workbook OfferWorkbook(const Offer& offer, const OfferFigures& figures,
                       const SellerIdentity& seller) {
    using Cell = WorkbookCell;
    Workbook book;
    book.title = OfferTitle(offer);
    book.sheetName = "Предложение";
    book.columnWidths = {5, 42, 10, 6, 10, 12, 12, 14, 17, 10, 12, 12};
    book.landscape = true;
    const std::vector<std::string> letterhead = Letterhead(seller);
    for (std::size_t i = 0; i < letterhead.size(); ++i) {
        book.rows.push_back({Cell{}, Cell::Text(letterhead[i], i == 0)});
    }
    book.rows.push_back({});
    book.rows.push_back({Cell{}, Cell::Text(OfferTitle(offer), true)});
    for (const std::string& line : HeadLines(offer)) {
        book.rows.push_back({Cell{}, Cell::Text(line)});
    }
    book.rows.push_back({});
    std::vector<Cell> heading;
    for (const std::string& text : OfferHeading()) {
        heading.push_back(Cell::Text(text, true));
    }
    heading.push_back(Cell::Text("Масса 1 м, кг", true));
    heading.push_back(Cell::Text("Ср. длина, м", true));
    for (Cell& cell : heading) {
        cell.border = true;
        cell.wrap = true;
    }
    book.rows.push_back(heading);
    book.headingRow = static_cast<int>(book.rows.size()) - 1;

    const int firstRow = static_cast<int>(book.rows.size()) + 1;  // as the sheet counts
    for (std::size_t i = 0; i < offer.positions.size(); ++i) {
        const OfferPosition& p = offer.positions[i];
        const CostFigures& f = figures.positions[i];
        const VehicleNeed& need = figures.transport[i];
        const OfferRow texts = PositionRow(offer, figures, i);
        const auto price = PricePerTonne(p.price);
        const int row = firstRow + static_cast<int>(i);
        const RowFormulas formulas = FormulasOf(p.unit, row);
        const char* quantityFormat = p.unit == QuantityUnit::Tonnes   ? kMassFormat
                                     : p.unit == QuantityUnit::Pieces ? kWholeFormat
                                                                      : kLengthFormat;
        std::vector<Cell> cells{
            Cell::Number(static_cast<double>(i + 1), kWholeFormat),
            Cell::Text(texts[kNameColumn]),
            Cell::Number(p.quantity, quantityFormat),
            Cell::Text(texts[kUnitColumn]),
            Cell::Formula(formulas.pieces, f.pieces, kWholeFormat),
            Cell::Formula(formulas.length, f.length, kLengthFormat),
            Cell::Formula(formulas.mass, f.mass, kMassFormat),
            price ? Cell::Number(*price, kMoneyFormat) : Cell::Text(p.price),
            f.cost ? Cell::Formula("=ROUND(" + CellName(kMassColumn, row) + "*" +
                                       CellName(kPriceColumn, row) + ",2)",
                                   *f.cost, kMoneyFormat)
                   : Cell::Text(kNegotiableCost),
            need.vehicles ? Cell::Number(*need.vehicles, kWholeFormat) : Cell::Text(need.problem),
            Cell::Number(f.massPerMetre, kMetreMassFormat),
            Cell::Number(p.averageLength, kLengthFormat),
        };
        cells[kNameColumn].wrap = true;
        for (Cell& cell : cells) {
            cell.border = true;
        }
        book.rows.push_back(cells);
    }
    const int lastRow = static_cast<int>(book.rows.size());
    if (offer.positions.empty()) {
        return book;
    }
    const auto sum = [&](int column, double value, const char* format) {
        Cell cell = Cell::Formula(
            "=SUM(" + CellName(column, firstRow) + ":" + CellName(column, lastRow) + ")", value,
            format, true);
        cell.border = true;
        return cell;
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

    if (figures.vatRate.value) {
        // The rate's cell is the one to change: the caption and the sum follow it.
        const int vatRow = totalsRow + 1;
        const std::string rateCell = CellName(kQuantityColumn, vatRow);
        const std::string costCell = CellName(kCostColumn, totalsRow);
        std::vector<Cell> vat(kOfferColumns);
        vat[kNameColumn] = Cell::TextFormula(
            "=IF(" + rateCell + "=0,\"Без НДС\",\"в том числе НДС \"&" + rateCell + "&\" %\")",
            VatCaption(figures));
        vat[kQuantityColumn] = Cell::Number(*figures.vatRate.value, "0.##");
        vat[kUnitColumn] = Cell::Text("%");
        vat[kCostColumn] =
            Cell::Formula("=IF(" + rateCell + "=0,0,ROUND(" + costCell + "*" + rateCell + "/(100+" +
                              rateCell + "),2))",
                          static_cast<double>(figures.vatKopecks) / 100, kMoneyFormat);
        book.rows.push_back(vat);
    }
    if (figures.negotiableLeftOut) {
        book.rows.push_back({Cell{}, Cell::Text("Стоимость без учёта позиций с договорной ценой")});
    }
    // The transport: the vehicles by carrying capacity follow the total mass.
    book.rows.push_back({});
    const int capacityRow = static_cast<int>(book.rows.size()) + 1;
    std::vector<Cell> capacity(kOfferColumns);
    capacity[kNameColumn] =
        Cell::Text("Транспорт: " + VehicleName(offer.vehicle) + ", грузоподъёмность, т");
    const NumberRead capacityRead = TryReadNumber(offer.capacity);
    capacity[kQuantityColumn] = capacityRead.status == NumberRead::Status::Number
                                    ? Cell::Number(capacityRead.value, "0.###")
                                    : Cell::Text(offer.capacity);
    book.rows.push_back(capacity);
    if (figures.byCapacity) {
        std::vector<Cell> byCapacity(kOfferColumns);
        byCapacity[kNameColumn] = Cell::Text("ТС по грузоподъёмности, не менее");
        byCapacity[kQuantityColumn] =
            Cell::Formula("=ROUNDUP(" + CellName(kMassColumn, totalsRow) + "/" +
                              CellName(kQuantityColumn, capacityRow) + ",0)",
                          *figures.byCapacity, kWholeFormat);
        book.rows.push_back(byCapacity);
    }
    const OfferSummary summary = SummaryOf(offer, figures);
    std::vector<std::string> after;
    if (!summary.priceDate.empty()) {
        after.push_back(summary.priceDate);
    }
    for (const std::string& line : TermsLines(offer)) {
        after.push_back(line);
    }
    after.emplace_back();
    for (const std::string& line : SignatureLines(offer.manager)) {
        after.push_back(line);
    }
    book.rows.push_back({});
    for (const std::string& line : after) {
        book.rows.push_back({Cell{}, line.empty() ? Cell{} : Cell::Text(line)});
    }
    if (const OfferPlan plan = PlanOffer(offer, figures, true); plan.shown) {
        book.moreSheets.push_back(PlanSheet(offer, plan));
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

std::string OfferFileName(const Offer& offer) {
    // Windows refuses these in a name; quotes are dropped, the others become blanks.
    const std::string forbidden = "\\/:*?<>|";
    std::string raw = "КП " + offer.number + " " + offer.client;
    std::string name;
    for (const char c : raw) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"') {
            continue;
        }
        const char kept = byte < 0x20 || forbidden.find(c) != std::string::npos ? ' ' : c;
        if (kept != ' ' || (!name.empty() && name.back() != ' ')) {
            name += kept;
        }
    }
    // A name fit for any file system; Windows drops a trailing dot or blank.
    name = FirstChars(name, 80);
    while (!name.empty() && (name.back() == ' ' || name.back() == '.')) {
        name.pop_back();
    }
    return name;
}

}  // namespace tesmarik
