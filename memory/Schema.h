#pragma once

#include <cstddef>
#include <cstdint>

#include "memory/Database.h"

namespace tesmarik {

// The mark every database of the program carries (PRAGMA application_id: "TMRK"), so that
// another program's SQLite file is never taken for ours.
inline constexpr std::int64_t kMemoryApplicationId = 0x544D524B;

// The schema's versions, each made from the one before by one migration: 1 the price list
// versions, 2 the archive of offers.
inline constexpr std::int64_t kMemorySchemaVersion = 2;

// Brings the schema forward from the version the file has (0: a new file) to upTo, in one
// transaction, so that a copy of the program started at the same moment waits and then
// finds it done.
void MigrateMemory(Database& db, std::int64_t upTo = kMemorySchemaVersion);

}  // namespace tesmarik
