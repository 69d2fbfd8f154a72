#include "tabs/memory/PriceChangesView.h"

#include <cmath>
#include <cstdio>

#include "price/MoneyText.h"

namespace tesmarik {

namespace {

constexpr const char* kHeadings[] = {"Тип",  "Диаметр", "Стенка",    "Сталь", "Стандарт",
                                     "Было", "Стало",   "Изменение", "%",     ""};
constexpr int kColumns = 10;

std::string Money(const std::optional<std::int64_t>& kopecks, const std::string& listed) {
    return kopecks ? ShowMoney(static_cast<double>(*kopecks) / 100) : listed;
}

const char* KindWord(PriceChangeKind kind) {
    switch (kind) {
        case PriceChangeKind::Dearer:
            return "дороже";
        case PriceChangeKind::Cheaper:
            return "дешевле";
        case PriceChangeKind::New:
            return "новая";
        case PriceChangeKind::Withdrawn:
            return "снята";
        case PriceChangeKind::Repriced:
            return "цена изменена";
    }
    return "";
}

std::string SignedPercent(double percent) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", std::fabs(percent));
    std::string out = text;
    if (const auto dot = out.find('.'); dot != std::string::npos) {
        out[dot] = ',';
    }
    return (percent < 0 ? "−" : "+") + out;
}

void Clear(StringGrid& grid) {
    for (int r = 1; r < grid.RowCount; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            grid.SetCell(c, r, "");
        }
    }
    grid.RowCount = 2;
}

}  // namespace

std::string SignedMoney(std::int64_t kopecks) {
    const std::string sum = ShowMoney(static_cast<double>(kopecks < 0 ? -kopecks : kopecks) / 100);
    return kopecks == 0 ? sum : (kopecks < 0 ? "−" : "+") + sum;
}

void ShowPriceChanges(TForm4& f, MemoryState& m, Database& db, const PriceCriteria& filter,
                      int earlier) {
    m.versions = PriceVersions(db);
    m.shownKinds.clear();
    Clear(f.StringGrid1);
    for (int c = 0; c < kColumns; ++c) {
        f.StringGrid1.SetCell(c, 0, kHeadings[c]);
    }
    if (m.versions.size() < 2) {
        f.Label1.Text = "Сравнивать не с чем: сохранено прайсов — " +
                        std::to_string(m.versions.size()) + ", нужно хотя бы два.";
        f.ComboBox1.SetItems({});
        f.ComboBox1.Enabled = false;
        return;
    }
    std::vector<std::string> dates;
    for (std::size_t i = 1; i < m.versions.size(); ++i) {
        dates.push_back(ShortDateTime(m.versions[i].taken));
    }
    f.ComboBox1.Enabled = true;
    f.ComboBox1.SetItems(dates);
    if (earlier < 0 || earlier >= static_cast<int>(dates.size())) {
        earlier = 0;
    }
    f.ComboBox1.SetItemIndex(earlier);
    const PriceVersion& older = m.versions[static_cast<std::size_t>(earlier) + 1];
    const PriceComparison comparison = ComparePriceVersions(db, older.id, m.versions.front().id);
    f.Label1.Text = ChangesSummary(older.taken, comparison.counts);

    PriceStore rows;
    for (const PriceChange& change : comparison.changes) {
        rows.rows.push_back(change.row);
    }
    int r = 1;
    for (const std::size_t i : MatchingRows(rows, filter)) {
        const PriceChange& change = comparison.changes[i];
        for (int c = 0; c < 5; ++c) {
            f.StringGrid1.SetCell(c, r, change.row.Field(static_cast<std::size_t>(c)));
        }
        const bool both = change.oldKopecks && change.newKopecks;
        f.StringGrid1.SetCell(5, r,
                              change.kind == PriceChangeKind::New
                                  ? std::string()
                                  : Money(change.oldKopecks, change.row.Field(kPriceField)));
        f.StringGrid1.SetCell(6, r,
                              change.kind == PriceChangeKind::Withdrawn
                                  ? std::string()
                                  : Money(change.newKopecks, change.row.Field(kPriceField)));
        f.StringGrid1.SetCell(7, r, both ? SignedMoney(change.changeKopecks) : std::string());
        f.StringGrid1.SetCell(8, r, both ? SignedPercent(change.percent) : std::string());
        f.StringGrid1.SetCell(9, r, KindWord(change.kind));
        m.shownKinds.push_back(change.kind);
        ++r;
    }
    f.StringGrid1.RowCount = std::max(r, 2);
}

CellPaint PriceChangePaint(const MemoryState& m, int row) {
    if (row < 1 || row > static_cast<int>(m.shownKinds.size())) {
        return {};
    }
    switch (m.shownKinds[static_cast<std::size_t>(row - 1)]) {
        case PriceChangeKind::Dearer:
            return {Color{255, 226, 226}, Color{160, 0, 0}};
        case PriceChangeKind::Cheaper:
            return {Color{222, 244, 222}, Color{0, 110, 0}};
        case PriceChangeKind::New:
            return {Color{224, 234, 255}, Color{0, 0, 160}};
        case PriceChangeKind::Withdrawn:
            return {Color{236, 236, 236}, Color{96, 96, 96}};
        case PriceChangeKind::Repriced:
            break;
    }
    return {};
}

}  // namespace tesmarik
