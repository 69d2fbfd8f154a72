#include "tabs/memory/OfferArchiveView.h"

#include <algorithm>

#include "common/Numbers.h"
#include "offer/OfferTerms.h"
#include "price/MoneyText.h"

namespace tesmarik {

namespace {

constexpr const char* kHeadings[] = {"Номер", "Дата", "Клиент", "Менеджер", "Сумма"};
constexpr int kColumns = 5;

// An empty field asks for nothing; a filled one must read.
bool ReadDate(const std::string& text, const char* what, std::optional<DateTime>& out,
              std::string& problem) {
    if (text.empty()) {
        return true;
    }
    out = ReadShortDate(text);
    if (!out) {
        problem = std::string("Дата \"") + what + "\" не читается: " + text;
    }
    return out.has_value();
}

bool ReadSize(const std::string& text, const char* what, std::optional<double>& out,
              std::string& problem) {
    if (text.empty()) {
        return true;
    }
    const NumberRead read = TryReadNumber(text);
    if (read.status != NumberRead::Status::Number || read.value <= 0) {
        problem = std::string(what) + " не число: " + text;
        return false;
    }
    out = read.value;
    return true;
}

}  // namespace

void SortArchived(std::vector<ArchivedOffer>& found, ArchiveOrder order) {
    const auto by = [&found](auto key, bool descending = false) {
        std::stable_sort(found.begin(), found.end(),
                         [&](const ArchivedOffer& a, const ArchivedOffer& b) {
                             return descending ? key(b) < key(a) : key(a) < key(b);
                         });
    };
    switch (order) {
        case ArchiveOrder::Newest:
            break;
        case ArchiveOrder::Number:
            by([](const ArchivedOffer& o) { return o.number; });
            break;
        case ArchiveOrder::Client:
            // Capitals or not, as the client is searched.
            by([](const ArchivedOffer& o) { return FoldCase(o.client); });
            break;
        case ArchiveOrder::Manager:
            by([](const ArchivedOffer& o) { return FoldCase(o.manager); });
            break;
        case ArchiveOrder::Total:
            by([](const ArchivedOffer& o) { return o.totalKopecks; }, true);
            break;
    }
}

ArchiveSearch ReadArchiveSearch(const TForm5& f) {
    OfferQuery q;
    q.client = f.Edit1.Text;
    q.number = f.Edit2.Text;
    std::string problem;
    if (!ReadDate(f.Edit3.Text, "с", q.from, problem) ||
        !ReadDate(f.Edit4.Text, "по", q.to, problem) ||
        !ReadSize(f.Edit5.Text, "Диаметр", q.diameter, problem) ||
        !ReadSize(f.Edit6.Text, "Стенка", q.wall, problem)) {
        return {std::nullopt, problem};
    }
    return {q, {}};
}

void ShowArchive(TForm5& f, MemoryState& m, Database& db) {
    const ArchiveSearch search = ReadArchiveSearch(f);
    if (!search.query) {
        f.Label7.Text = search.problem;
        return;
    }
    m.found = FindOffers(db, *search.query);
    const int order = f.ComboBox1.ItemIndex();
    SortArchived(m.found, order > 0 ? static_cast<ArchiveOrder>(order) : ArchiveOrder::Newest);
    StringGrid& grid = f.StringGrid1;
    for (int r = 0; r < grid.RowCount; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            grid.SetCell(c, r, "");
        }
    }
    for (int c = 0; c < kColumns; ++c) {
        grid.SetCell(c, 0, kHeadings[c]);
    }
    int r = 1;
    for (const ArchivedOffer& o : m.found) {
        grid.SetCell(0, r, o.number);
        grid.SetCell(1, r, ShortDate(o.started));
        grid.SetCell(2, r, o.client);
        grid.SetCell(3, r, o.manager);
        grid.SetCell(4, r, ShowMoney(static_cast<double>(o.totalKopecks) / 100));
        ++r;
    }
    grid.RowCount = std::max(r, 2);
    if (grid.Row >= grid.RowCount) {
        grid.Row = 1;
    }
    f.Label7.Text = "Найдено предложений: " + std::to_string(m.found.size());
}

std::optional<std::int64_t> CurrentArchivedOffer(const TForm5& f, const MemoryState& m) {
    const int row = f.StringGrid1.Row;
    if (row < 1 || row > static_cast<int>(m.found.size())) {
        return std::nullopt;
    }
    return m.found[static_cast<std::size_t>(row - 1)].id;
}

void ShowReopenedChanges(TForm5& f, const MemoryState& m, const Offer& offer,
                         const DateTime& listTaken) {
    f.Memo1.Lines.clear();
    for (const PositionPriceChange& change : m.reopenedChanges) {
        const NumberRead offered = TryReadNumber(change.offered);
        f.Memo1.Lines.push_back(std::to_string(change.index + 1) + ". " +
                                PositionName(offer.positions[change.index]) + ": в предложении " +
                                (offered.status == NumberRead::Status::Number
                                     ? ShowMoney(offered.value)
                                     : change.offered) +
                                ", " + ListedPriceNote(listTaken, change.listed));
    }
    if (m.reopenedChanges.empty() && m.checkedVersion) {
        f.Memo1.Lines.push_back("Цены предложения совпадают с прайсом от " + ShortDate(listTaken) +
                                ".");
    }
    f.Button2.Enabled = !m.reopenedChanges.empty();
}

}  // namespace tesmarik
