#include "memory/PriceVersions.h"

#include <algorithm>
#include <cstdio>

#include "common/Error.h"
#include "memory/RowList.h"
#include "memory/StoredTime.h"

namespace tesmarik {

namespace {

[[noreturn]] void Damaged(const Database& db) {
    throw Error("Файл базы данных " + db.Path() + " повреждён");
}

constexpr const char* kVersionColumns =
    "SELECT id, taken, seller, hash, row_count FROM price_version";

PriceVersion VersionOf(const Database& db, const Statement& row) {
    const auto taken = ReadStoredTime(row.Text(1));
    if (!taken) {
        Damaged(db);
    }
    return PriceVersion{row.Int(0), *taken, row.Text(2), row.Text(3), row.Int(4)};
}

std::vector<PriceVersion> Versions(Database& db, const std::string& tail) {
    Statement query(db, std::string(kVersionColumns) + tail);
    std::vector<PriceVersion> versions;
    while (query.Step()) {
        versions.push_back(VersionOf(db, query));
    }
    return versions;
}

// The id of the stored row with these fields, stored now when it is new.
class RowIds {
public:
    explicit RowIds(Database& db)
        : db_(db),
          find_(db, "SELECT id FROM price_row WHERE fields = ?"),
          add_(db, "INSERT INTO price_row(fields) VALUES (?)") {}

    std::int64_t Of(const PriceRow& row) {
        const std::string fields = EncodeRowFields(row);
        find_.Reset();
        find_.BindBlob(1, fields);
        if (find_.Step()) {
            return find_.Int(0);
        }
        add_.Reset();
        add_.BindBlob(1, fields).Run();
        return db_.LastInsertId();
    }

private:
    Database& db_;
    Statement find_;
    Statement add_;
};

std::string LatestRows(Database& db) {
    Statement query(db, "SELECT rows FROM price_version ORDER BY id DESC LIMIT 1");
    return query.Step() ? query.Blob(0) : std::string();
}

PriceVersion AddVersion(Database& db, const PriceStore& list, const std::string& rows,
                        const DateTime& taken, const std::string& seller) {
    const PriceVersion version{0, taken, seller, PriceListHash(list),
                               static_cast<std::int64_t>(list.rows.size())};
    Statement add(db,
                  "INSERT INTO price_version(taken, seller, hash, row_count, rows) "
                  "VALUES (?, ?, ?, ?, ?)");
    add.Bind(1, StoredTime(taken))
        .Bind(2, seller)
        .Bind(3, version.hash)
        .Bind(4, version.rowCount)
        .BindBlob(5, rows)
        .Run();
    PriceVersion added = version;
    added.id = db.LastInsertId();
    return added;
}

std::string EncodeList(Database& db, const PriceStore& list) {
    RowIds ids(db);
    std::vector<std::int64_t> rows;
    rows.reserve(list.rows.size());
    for (const PriceRow& row : list.rows) {
        rows.push_back(ids.Of(row));
    }
    return EncodeRowIds(rows);
}

}  // namespace

std::string PriceListHash(const PriceStore& list) {
    std::uint64_t hash = 14695981039346656037ULL;
    const auto add = [&hash](const std::string& bytes) {
        for (const char c : bytes) {
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
        }
    };
    for (const PriceRow& row : list.rows) {
        // Each row behind its length, so that rows cannot run into each other.
        const std::string fields = EncodeRowFields(row);
        add(std::to_string(fields.size()) + ":");
        add(fields);
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

StoredPriceList StorePriceList(Database& db, const PriceStore& list, const DateTime& taken,
                               const std::string& seller) {
    Transaction transaction(db);
    const std::string rows = EncodeList(db, list);
    // The same rows in the same order: what the latest version already holds.
    if (const auto latest = LatestPriceVersion(db); latest && LatestRows(db) == rows) {
        return StoredPriceList{*latest, false};  // the transaction added no row either
    }
    const PriceVersion added = AddVersion(db, list, rows, taken, seller);
    transaction.Commit();
    return StoredPriceList{added, true};
}

std::optional<PriceVersion> TakeInEarlierPriceFile(Database& db, const PriceStore& list,
                                                   const DateTime& fileTime,
                                                   const std::string& seller) {
    Transaction transaction(db);
    if (QueryInt(db, "SELECT count(*) FROM price_version") > 0) {
        return std::nullopt;
    }
    const PriceVersion added = AddVersion(db, list, EncodeList(db, list), fileTime, seller);
    transaction.Commit();
    return added;
}

std::vector<PriceVersion> PriceVersions(Database& db) {
    return Versions(db, " ORDER BY id DESC");
}

std::optional<PriceVersion> LatestPriceVersion(Database& db) {
    const auto versions = Versions(db, " ORDER BY id DESC LIMIT 1");
    return versions.empty() ? std::nullopt : std::optional<PriceVersion>(versions.front());
}

PriceVersion FindPriceVersion(Database& db, std::int64_t id) {
    const auto versions = Versions(db, " WHERE id = " + std::to_string(id));
    if (versions.empty()) {
        throw Error("Версии прайса " + std::to_string(id) + " нет в базе данных");
    }
    return versions.front();
}

std::vector<std::int64_t> VersionRowIds(Database& db, std::int64_t id) {
    Statement query(db, "SELECT rows, row_count FROM price_version WHERE id = ?");
    query.Bind(1, id);
    if (!query.Step()) {
        throw Error("Версии прайса " + std::to_string(id) + " нет в базе данных");
    }
    auto ids = DecodeRowIds(query.Blob(0));
    if (!ids || static_cast<std::int64_t>(ids->size()) != query.Int(1)) {
        Damaged(db);
    }
    return *ids;
}

PriceRow LoadPriceRow(Database& db, std::int64_t rowId) {
    Statement query(db, "SELECT fields FROM price_row WHERE id = ?");
    query.Bind(1, rowId);
    if (!query.Step()) {
        Damaged(db);
    }
    auto row = DecodeRowFields(query.Blob(0));
    if (!row) {
        Damaged(db);
    }
    return *row;
}

PriceStore LoadPriceVersion(Database& db, std::int64_t id) {
    VersionRows loaded = LoadVersionRows(db, {id});
    PriceStore list;
    list.rows.reserve(loaded.ids[0].size());
    for (const std::int64_t rowId : loaded.ids[0]) {
        list.rows.push_back(loaded.rows.at(rowId));
    }
    return list;
}

VersionRows LoadVersionRows(Database& db, const std::vector<std::int64_t>& versionIds) {
    const ReadTransaction snapshot(db);
    VersionRows loaded;
    std::vector<std::int64_t> wanted;
    for (const std::int64_t id : versionIds) {
        loaded.ids.push_back(VersionRowIds(db, id));
        wanted.insert(wanted.end(), loaded.ids.back().begin(), loaded.ids.back().end());
    }
    // In the order of their ids, each once: neighbouring rows lie on the same pages.
    std::sort(wanted.begin(), wanted.end());
    wanted.erase(std::unique(wanted.begin(), wanted.end()), wanted.end());
    loaded.rows.reserve(wanted.size());
    Statement query(db, "SELECT fields FROM price_row WHERE id = ?");
    for (const std::int64_t rowId : wanted) {
        query.Reset();
        query.Bind(1, rowId);
        if (!query.Step()) {
            Damaged(db);
        }
        auto fields = DecodeRowFields(query.Blob(0));
        if (!fields) {
            Damaged(db);
        }
        loaded.rows.emplace(rowId, std::move(*fields));
    }
    return loaded;
}

}  // namespace tesmarik
