#include "memory/Schema.h"

#include <array>
#include <string>

#include "common/Error.h"

namespace tesmarik {

namespace {

// Migration i makes version i + 1. A shipped migration never changes: a new one is added.
constexpr std::array<const char*, kMemorySchemaVersion> kMigrations = {
    // 1: every price list kept. A row is stored once however many versions hold it; a
    // version is the list of its rows' ids (see RowList.h) in the file's order.
    "PRAGMA application_id = 1414353483;"
    "CREATE TABLE price_row(id INTEGER PRIMARY KEY, fields BLOB NOT NULL UNIQUE);"
    "CREATE TABLE price_version("
    "  id INTEGER PRIMARY KEY, taken TEXT NOT NULL, seller TEXT NOT NULL,"
    "  hash TEXT NOT NULL, row_count INTEGER NOT NULL, rows BLOB NOT NULL);",
    // 2: the archive of offers: the offer file's text, and what it is searched by.
    "CREATE TABLE offer("
    "  id INTEGER PRIMARY KEY, number TEXT NOT NULL, started TEXT NOT NULL,"
    "  client TEXT NOT NULL, client_folded TEXT NOT NULL, manager TEXT NOT NULL,"
    "  total_kopecks INTEGER NOT NULL, vat_kopecks INTEGER NOT NULL,"
    "  price_version INTEGER REFERENCES price_version(id), recorded TEXT NOT NULL,"
    "  file TEXT NOT NULL, UNIQUE(number, started));"
    "CREATE INDEX offer_started ON offer(started);"
    "CREATE TABLE offer_size("
    "  offer_id INTEGER NOT NULL REFERENCES offer(id) ON DELETE CASCADE,"
    "  diameter_um INTEGER NOT NULL, wall_um INTEGER NOT NULL);"
    "CREATE INDEX offer_size_by_size ON offer_size(diameter_um, wall_um);"
    "CREATE INDEX offer_size_by_offer ON offer_size(offer_id);",
};

static_assert(kMemoryApplicationId == 1414353483, "the mark the first migration writes");

}  // namespace

void MigrateMemory(Database& db, std::int64_t upTo) {
    Transaction transaction(db);
    const std::int64_t version = QueryInt(db, "PRAGMA user_version");
    if (version > kMemorySchemaVersion) {
        throw Error("Файл базы данных " + db.Path() + " создан более новой версией программы");
    }
    if (version >= upTo) {
        return;  // done by another copy of the program, or nothing to do
    }
    for (std::int64_t v = version; v < upTo; ++v) {
        db.Exec(kMigrations[static_cast<std::size_t>(v)]);
    }
    db.Exec("PRAGMA user_version = " + std::to_string(upTo));
    transaction.Commit();
}

}  // namespace tesmarik
