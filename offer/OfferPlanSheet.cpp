#include "offer/OfferPlanSheet.h"

#include "offer/OfferTexts.h"

namespace tesmarik {

namespace {

using Cell = WorkbookCell;

enum PlanColumn {
    kFirstColumn,
    kLastColumn,
    kCountColumn,
    kSizeColumn,
    kDiameterColumn,
    kWallColumn,
    kPlanPiecesColumn,
    kHostColumn,
    kPlanMassColumn,
    kShareColumn,
    kMassShareColumn,
    kPlanColumns
};

constexpr const char* kWhole = "#,##0";
constexpr const char* kMass = "#,##0.000";
constexpr const char* kPercent = "0%";
// The drawing's size on the page, as the window shows it.
constexpr int kPictureWidth = 250;
constexpr int kPictureHeight = 212;

Cell Whole(long long value) {
    return Cell::Number(static_cast<double>(value), kWhole);
}

}  // namespace

Workbook PlanSheet(const Offer& offer, const OfferPlan& plan) {
    Workbook sheet;
    sheet.sheetName = "План погрузки";
    sheet.columnWidths = {7, 7, 9, 12, 11, 10, 10, 14, 13, 9, 9};
    sheet.landscape = true;
    sheet.rows.push_back({Cell::Text("План погрузки: " + VehicleName(offer.vehicle) +
                                         ", грузоподъёмность " + offer.capacity + " т",
                                     true)});
    sheet.rows.push_back({Cell::Text(plan.transport)});
    sheet.rows.push_back({});
    std::vector<Cell> heading;
    for (const char* text : {"ТС с", "по", "Кол-во ТС", "Размер", "Диаметр, мм", "Стенка, мм",
                             "Штук в ТС", "Внутри трубы", "Масса в ТС, т", "Объём", "Масса"}) {
        heading.push_back(Cell::Text(text, true));
    }
    sheet.rows.push_back(heading);
    sheet.headingRow = static_cast<int>(sheet.rows.size()) - 1;

    for (const OfferPlanGroup& group : plan.groups) {
        bool first = true;
        for (const PlanBundle& bundle : group.load.load) {
            for (std::size_t i = 0; i < bundle.chain.size(); ++i) {
                const PlanItem& item = plan.items[bundle.chain[i]];
                std::vector<Cell> row(kPlanColumns);
                if (first) {
                    row[kFirstColumn] = Whole(group.first);
                    row[kLastColumn] = Whole(group.first + group.count - 1);
                    row[kCountColumn] = Whole(group.count);
                    row[kPlanMassColumn] = Cell::Number(group.mass, kMass);
                    row[kShareColumn] = Cell::Number(group.load.share, kPercent);
                    row[kMassShareColumn] = Cell::Number(group.mass / plan.capacity, kPercent);
                    first = false;
                }
                row[kSizeColumn] = Cell::Text(SizeText(item.diameter, item.wall));
                row[kDiameterColumn] = Cell::Number(item.diameter, "0.##");
                row[kWallColumn] = Cell::Number(item.wall, "0.##");
                row[kPlanPiecesColumn] = Whole(bundle.count);
                if (i > 0) {
                    const PlanItem& host = plan.items[bundle.chain[i - 1]];
                    row[kHostColumn] = Cell::Text(SizeText(host.diameter, host.wall));
                }
                sheet.rows.push_back(row);
            }
        }
    }
    if (!plan.apart.empty()) {
        sheet.rows.push_back({});
        for (const std::string& apart : plan.apart) {
            sheet.rows.push_back({Cell::Text("Вне плана: " + apart)});
        }
    }
    return sheet;
}

void AddPlanToReport(PrintedReport& report, const OfferPlan& plan) {
    if (!plan.shown) {
        return;
    }
    if (!plan.transport.empty()) {
        report.linesAfter.push_back(plan.transport);
    }
    for (const std::string& line : PlanLines(plan)) {
        report.linesAfter.push_back(line);
    }
    report.picture = PlanPicture(plan);
    report.pictureWidth = kPictureWidth;
    report.pictureHeight = kPictureHeight;
    report.pictureCaption = "Загрузка ТС по плану: объём кузова и грузоподъёмность";
}

}  // namespace tesmarik
