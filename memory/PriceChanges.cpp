#include "memory/PriceChanges.h"

#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <string_view>
#include <unordered_map>

#include "memory/RowList.h"
#include "offer/SumInWords.h"
#include "price/PricePosition.h"

namespace tesmarik {

namespace {

PriceChange Changed(const PriceRow& before, const PriceRow& after) {
    PriceChange change;
    change.row = after;
    change.oldKopecks = RowPriceKopecks(before);
    change.newKopecks = RowPriceKopecks(after);
    if (change.oldKopecks && change.newKopecks) {
        change.changeKopecks = *change.newKopecks - *change.oldKopecks;
        change.kind = change.changeKopecks > 0 ? PriceChangeKind::Dearer : PriceChangeKind::Cheaper;
        // The old price is positive (RowPriceKopecks): a percent to hundredths, half away
        // from zero.
        change.percent = std::round(static_cast<double>(change.changeKopecks) * 10000.0 /
                                    static_cast<double>(*change.oldKopecks)) /
                         100.0;
    } else {
        change.kind = PriceChangeKind::Repriced;
    }
    return change;
}

bool SamePrice(const PriceRow& before, const PriceRow& after) {
    const auto old = RowPriceKopecks(before);
    const auto now = RowPriceKopecks(after);
    if (old && now) {
        return *old == *now;  // "78500" and "78500,00" are one price
    }
    return !old && !now && before.Field(kPriceField) == after.Field(kPriceField);
}

void Count(PriceChangeCounts& counts, PriceChangeKind kind) {
    switch (kind) {
        case PriceChangeKind::Dearer:
            ++counts.dearer;
            break;
        case PriceChangeKind::Cheaper:
            ++counts.cheaper;
            break;
        case PriceChangeKind::New:
            ++counts.added;
            break;
        case PriceChangeKind::Withdrawn:
            ++counts.withdrawn;
            break;
        case PriceChangeKind::Repriced:
            ++counts.repriced;
            break;
    }
}

using RowRefs = std::vector<const PriceRow*>;

// A row's key without copying its texts.
using KeyView = std::array<std::string_view, 5>;

KeyView ViewOf(const PriceRow& row) {
    return {row.Field(kTypeField), row.Field(kDiameterField), row.Field(kWallField),
            row.Field(kSteelField), row.Field(kStandardField)};
}

struct KeyHash {
    std::size_t operator()(const KeyView& key) const {
        std::size_t hash = 0;
        for (const std::string_view part : key) {
            hash = hash * 1000003 ^ std::hash<std::string_view>{}(part);
        }
        return hash;
    }
};

// The older list's rows of each key, in order, and how many of them newer rows took.
struct Rows {
    std::vector<const PriceRow*> rows;
    std::size_t taken = 0;
};

PriceComparison Compare(const RowRefs& older, const RowRefs& newer) {
    std::unordered_map<KeyView, Rows, KeyHash> before;
    before.reserve(older.size());
    for (const PriceRow* row : older) {
        before[ViewOf(*row)].rows.push_back(row);
    }
    PriceComparison comparison;
    const auto add = [&comparison](PriceChange change) {
        Count(comparison.counts, change.kind);
        comparison.changes.push_back(std::move(change));
    };
    for (const PriceRow* row : newer) {
        auto match = before.find(ViewOf(*row));
        if (match == before.end() || match->second.taken == match->second.rows.size()) {
            PriceChange change;
            change.kind = PriceChangeKind::New;
            change.row = *row;
            change.newKopecks = RowPriceKopecks(*row);
            add(std::move(change));
            continue;
        }
        const PriceRow* old = match->second.rows[match->second.taken++];
        // The same stored row, or rows of the same price.
        if (old != row && !SamePrice(*old, *row)) {
            add(Changed(*old, *row));
        }
    }
    // The rows no newer one took, in the older list's order.
    for (const PriceRow* row : older) {
        Rows& left = before.at(ViewOf(*row));
        if (left.taken < left.rows.size() && left.rows[left.taken] == row) {
            ++left.taken;
            PriceChange change;
            change.kind = PriceChangeKind::Withdrawn;
            change.row = *row;
            change.oldKopecks = RowPriceKopecks(*row);
            add(std::move(change));
        }
    }
    return comparison;
}

}  // namespace

PriceRowKey KeyOf(const PriceRow& row) {
    return PriceRowKey{row.Field(kTypeField), row.Field(kDiameterField), row.Field(kWallField),
                       row.Field(kSteelField), row.Field(kStandardField)};
}

std::optional<std::int64_t> RowPriceKopecks(const PriceRow& row) {
    const auto perTonne = PricePerTonne(row.Field(kPriceField));
    return perTonne ? std::optional<std::int64_t>(ToKopecks(*perTonne)) : std::nullopt;
}

PriceComparison ComparePriceLists(const PriceStore& older, const PriceStore& newer) {
    const auto refs = [](const PriceStore& list) {
        RowRefs rows;
        rows.reserve(list.rows.size());
        for (const PriceRow& row : list.rows) {
            rows.push_back(&row);
        }
        return rows;
    };
    return Compare(refs(older), refs(newer));
}

PriceComparison ComparePriceVersions(Database& db, std::int64_t olderId, std::int64_t newerId) {
    const VersionRows loaded = LoadVersionRows(db, {olderId, newerId});
    const auto refs = [&loaded](const std::vector<std::int64_t>& ids) {
        RowRefs rows;
        rows.reserve(ids.size());
        for (const std::int64_t id : ids) {
            rows.push_back(&loaded.rows.at(id));
        }
        return rows;
    };
    return Compare(refs(loaded.ids[0]), refs(loaded.ids[1]));
}

std::string ChangesSummary(const DateTime& since, const PriceChangeCounts& counts) {
    return "С " + ShortDateTime(since) + ": дороже " + std::to_string(counts.dearer) +
           ", дешевле " + std::to_string(counts.cheaper) + ", новых " +
           std::to_string(counts.added) + ", снято " + std::to_string(counts.withdrawn);
}

std::vector<PricePoint> PriceHistory(Database& db, const PriceRowKey& key) {
    const ReadTransaction snapshot(db);
    // The stored rows that are this row, in any version: a row is stored once for all.
    std::map<std::int64_t, PriceRow> rows;
    {
        Statement all(db, "SELECT id, fields FROM price_row");
        while (all.Step()) {
            auto row = DecodeRowFields(all.Blob(1));
            if (row && KeyOf(*row) == key) {
                rows.emplace(all.Int(0), std::move(*row));
            }
        }
    }
    std::vector<PricePoint> history;
    if (rows.empty()) {
        return history;
    }
    const auto versions = PriceVersions(db);
    for (auto version = versions.rbegin(); version != versions.rend(); ++version) {
        for (const std::int64_t id : VersionRowIds(db, version->id)) {
            if (const auto row = rows.find(id); row != rows.end()) {
                history.push_back(PricePoint{*version, row->second.Field(kPriceField),
                                             RowPriceKopecks(row->second)});
                break;  // the first of the version's rows with this key, as compared
            }
        }
    }
    return history;
}

}  // namespace tesmarik
