#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "memory/Database.h"
#include "memory/PriceVersions.h"
#include "price/PriceStore.h"

namespace tesmarik {

// What makes a row the same row from one version to another: its type, diameter, wall,
// steel and standard as the list writes them. A row whose seller changes one of them is
// withdrawn, and a new row appears.
struct PriceRowKey {
    std::string type;
    std::string diameter;
    std::string wall;
    std::string steel;
    std::string standard;
    auto operator<=>(const PriceRowKey&) const = default;
};
PriceRowKey KeyOf(const PriceRow& row);

// The price per tonne a row lists, in kopecks; none for a price that is no number
// ("договорная").
std::optional<std::int64_t> RowPriceKopecks(const PriceRow& row);

enum class PriceChangeKind {
    Dearer,
    Cheaper,
    New,
    Withdrawn,
    Repriced,  // the price became, or ceased to be, a number (or another text)
};

struct PriceChange {
    PriceChangeKind kind = PriceChangeKind::New;
    PriceRow row;  // as the newer list has it; a withdrawn row as the older one had it
    std::optional<std::int64_t> oldKopecks;
    std::optional<std::int64_t> newKopecks;
    std::int64_t changeKopecks = 0;  // new - old, when both are numbers
    double percent = 0;              // the change relative to the old price, to 0,01 %
};

struct PriceChangeCounts {
    int dearer = 0;
    int cheaper = 0;
    int added = 0;
    int withdrawn = 0;
    int repriced = 0;
};

struct PriceComparison {
    std::vector<PriceChange> changes;  // in the newer list's order, the withdrawn rows last
    PriceChangeCounts counts;
};

// The changes from an older list to a newer one. When a list holds the same row more than
// once, the first of the older list's is the first of the newer one's, and so on.
PriceComparison ComparePriceLists(const PriceStore& older, const PriceStore& newer);

// The same for two kept versions.
PriceComparison ComparePriceVersions(Database& db, std::int64_t olderId, std::int64_t newerId);

// "С 10.12.2026 08:15: дороже 12, дешевле 5, новых 3, снято 2": the summary line, from the
// time the older version was taken.
std::string ChangesSummary(const DateTime& since, const PriceChangeCounts& counts);

// One row's price in each kept version that lists it, the oldest first.
struct PricePoint {
    PriceVersion version;
    std::string price;  // as listed
    std::optional<std::int64_t> kopecks;
};
std::vector<PricePoint> PriceHistory(Database& db, const PriceRowKey& key);

}  // namespace tesmarik
