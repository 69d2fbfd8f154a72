#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/DateTime.h"
#include "memory/Database.h"
#include "price/PriceStore.h"

namespace tesmarik {

// One kept price list: when it was taken, from which seller, and a hash of its rows.
struct PriceVersion {
    std::int64_t id = 0;  // grows with every version kept
    DateTime taken;
    std::string seller;  // the address it was downloaded from
    std::string hash;    // 16 hex digits, see PriceListHash
    std::int64_t rowCount = 0;
};

// The hash of a price list's rows as the price rules read them (FNV-1a, 64 bits): the same
// rows in the same order, the same hash.
std::string PriceListHash(const PriceStore& list);

// Keeps a downloaded price list as a new version, unless it holds exactly the rows of the
// latest version: then the latest is returned and nothing is added.
struct StoredPriceList {
    PriceVersion version;
    bool added = false;
};
StoredPriceList StorePriceList(Database& db, const PriceStore& list, const DateTime& taken,
                               const std::string& seller);

// Takes in the price file that was there before the database, as its first version, with
// the file's own time; nothing when a version is kept already.
std::optional<PriceVersion> TakeInEarlierPriceFile(Database& db, const PriceStore& list,
                                                   const DateTime& fileTime,
                                                   const std::string& seller);

// Every kept version, the newest first.
std::vector<PriceVersion> PriceVersions(Database& db);
std::optional<PriceVersion> LatestPriceVersion(Database& db);
// One version; throws when there is none with that id.
PriceVersion FindPriceVersion(Database& db, std::int64_t id);

// The rows of a version, in its file's order.
PriceStore LoadPriceVersion(Database& db, std::int64_t id);
// The rows of several versions at once, each row they share read once: the ids of each
// version's rows in its order, and the rows behind the ids.
struct VersionRows {
    std::vector<std::vector<std::int64_t>> ids;
    std::unordered_map<std::int64_t, PriceRow> rows;
};
VersionRows LoadVersionRows(Database& db, const std::vector<std::int64_t>& versionIds);

// The ids of a version's rows, and the rows behind ids; for the comparison and the history.
std::vector<std::int64_t> VersionRowIds(Database& db, std::int64_t id);
PriceRow LoadPriceRow(Database& db, std::int64_t rowId);

}  // namespace tesmarik
