#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "memory/PriceVersions.h"
#include "memory/Schema.h"
#include "memory/StoredTime.h"
#include "tests/unit/memory/MemoryTest.h"

namespace tesmarik {
namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void Write(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// A SQLite file made by raw SQL, as another program (or another version of this one) would.
void MakeWith(const std::string& path, const std::string& sql) {
    fs::create_directories(fs::path(path).parent_path());
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

using MemoryFile = MemoryTest;

TEST_F(MemoryFile, MadeOnFirstUseForTheUserAloneWithTheSchemaAndTheLog) {
    Database db = Open();
    EXPECT_TRUE(fs::exists(DbPath()));
    EXPECT_EQ(QueryInt(db, "PRAGMA user_version"), kMemorySchemaVersion);
    EXPECT_EQ(QueryInt(db, "PRAGMA application_id"), kMemoryApplicationId);
    Statement mode(db, "PRAGMA journal_mode");
    ASSERT_TRUE(mode.Step());
    EXPECT_EQ(mode.Text(0), "wal");
#ifndef _WIN32
    EXPECT_EQ(fs::status(fs::path(DbPath()).parent_path()).permissions() & fs::perms::all,
              fs::perms::owner_all);
    EXPECT_EQ(fs::status(DbPath()).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
#endif
}

TEST_F(MemoryFile, AnOlderSchemaIsBroughtForwardKeepingWhatItHolds) {
    fs::create_directories(fs::path(DbPath()).parent_path());
    {
        Database old = Database::Open(DbPath());
        MigrateMemory(old, 1);
        StorePriceList(old, List({Row("n", "57", "3,5", "78500")}), kNow, "seller");
        EXPECT_EQ(QueryInt(old, "PRAGMA user_version"), 1);
    }
    OpenedMemory opened = OpenMemory(DataFolder(), kNow);
    EXPECT_EQ(opened.notice, "");
    EXPECT_EQ(QueryInt(opened.db, "PRAGMA user_version"), kMemorySchemaVersion);
    ASSERT_EQ(PriceVersions(opened.db).size(), 1u);
    EXPECT_EQ(LoadPriceVersion(opened.db, PriceVersions(opened.db)[0].id).rows[0].fields,
              Row("n", "57", "3,5", "78500").fields);
    EXPECT_EQ(QueryInt(opened.db, "SELECT count(*) FROM offer"), 0);
}

TEST_F(MemoryFile, AFileThatCannotBeReadIsMovedAsideNamedAndANewOneStarted) {
    const struct {
        const char* name;
        std::function<void(const std::string&)> make;
        const char* why;
    } cases[] = {
        {"not a database", [](const std::string& p) { Write(p, std::string(5000, 'x')); },
         "повреждён или это не база данных программы"},
        {"another program's database",
         [](const std::string& p) { MakeWith(p, "CREATE TABLE t(x); INSERT INTO t VALUES (1);"); },
         "это не база данных программы"},
        {"a newer schema",
         [](const std::string& p) {
             MakeWith(p, "PRAGMA application_id = 1414353483; PRAGMA user_version = " +
                             std::to_string(kMemorySchemaVersion + 1) + "; CREATE TABLE t(x);");
         },
         "создан более новой версией программы"},
        {"damaged pages",
         [](const std::string& p) {
             {
                 Database db = OpenMemoryFile(p, kNow).db;
                 std::vector<PriceRow> rows;
                 for (int i = 0; i < 2000; ++i) {
                     rows.push_back(Row("n", std::to_string(i), "4", "70000"));
                 }
                 StorePriceList(db, List(rows), kNow, "seller");
                 db.Exec("PRAGMA wal_checkpoint(TRUNCATE)");
             }
             // Scramble the middle of the file, past its header.
             std::string bytes = Bytes(p);
             for (std::size_t i = bytes.size() / 3; i < bytes.size() * 2 / 3; ++i) {
                 bytes[i] = static_cast<char>(i * 7);
             }
             Write(p, bytes);
         },
         "повреждён"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(folder_ / "tesmarik");
        c.make(DbPath());
        const std::string before = Bytes(DbPath());
        OpenedMemory opened = OpenMemory(DataFolder(), kNow);
        const std::string moved = DbPath() + ".нечитаемый-20261211-093000";
        EXPECT_EQ(opened.notice, "Файл базы данных " + DbPath() + " не читается (" + c.why +
                                     "). Он сохранён как " + moved + ", начата новая база данных");
        EXPECT_EQ(Bytes(fs::path(std::u8string(moved.begin(), moved.end()))), before);
        EXPECT_TRUE(PriceVersions(opened.db).empty());
        EXPECT_TRUE(StorePriceList(opened.db, List({Row("n", "57", "4", "1")}), kNow, "s").added);
    }
}

TEST_F(MemoryFile, AFileMovedAsideNeverTakesTheNameOfAnEarlierOne) {
    for (int i = 0; i < 3; ++i) {
        Write(DbPath(), "garbage " + std::to_string(i));
        EXPECT_NE(OpenMemory(DataFolder(), kNow).notice, "");
    }
    int moved = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(DbPath()).parent_path())) {
        moved += entry.path().u8string().find(u8"нечитаемый") != std::u8string::npos &&
                 !entry.path().u8string().ends_with(u8"-wal");
    }
    EXPECT_EQ(moved, 3);
}

TEST(StoredTime, ReadsBackWhatItWritesAndNothingElse) {
    for (const DateTime t : {DateTime{2026, 12, 10, 8, 15, 0}, DateTime{1999, 1, 1, 23, 59, 59}}) {
        const auto back = ReadStoredTime(StoredTime(t));
        ASSERT_TRUE(back);
        EXPECT_EQ(StoredTime(*back), StoredTime(t));
    }
    for (const char* bad : {"", "2026-12-10", "2026-13-10 08:15:00", "2026-12-10T08:15:00",
                            "2026-12-10 24:00:00", "+026-12-10 08:15:00"}) {
        EXPECT_FALSE(ReadStoredTime(bad)) << bad;
    }
}

}  // namespace
}  // namespace tesmarik
