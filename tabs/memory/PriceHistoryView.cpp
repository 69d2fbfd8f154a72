#include "tabs/memory/PriceHistoryView.h"

#include "price/MoneyText.h"

namespace tesmarik {

std::string HistoryPictureName(const std::vector<PricePoint>& points) {
    std::string name = "history-chart";
    for (const PricePoint& p : points) {
        if (p.kopecks) {
            name += ';' + ShortDate(p.version.taken) + ',' + std::to_string(*p.kopecks);
        }
    }
    return name;
}

void ShowPriceHistory(TForm6& f, Database& db, const PriceRow& row) {
    const PriceRowKey key = KeyOf(row);
    const std::vector<PricePoint> points = PriceHistory(db, key);
    f.Label1.Text = key.type + " " + key.diameter + " × " + key.wall + ", " + key.steel + ", " +
                    key.standard + ": цена за тонну, руб.";
    StringGrid& grid = f.StringGrid1;
    for (int r = 0; r < grid.RowCount; ++r) {
        grid.SetCell(0, r, "");
        grid.SetCell(1, r, "");
    }
    grid.SetCell(0, 0, "Прайс от");
    grid.SetCell(1, 0, "Цена, руб./т");
    int r = 1;
    for (const PricePoint& p : points) {
        grid.SetCell(0, r, ShortDateTime(p.version.taken));
        grid.SetCell(1, r, p.kopecks ? ShowMoney(static_cast<double>(*p.kopecks) / 100) : p.price);
        ++r;
    }
    grid.RowCount = std::max(r, 2);
    f.Image1.Picture = HistoryPictureName(points);
}

}  // namespace tesmarik
