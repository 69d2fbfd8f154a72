#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>

#include "common/Error.h"
#include "memory/OfferArchive.h"
#include "memory/PriceVersions.h"
#include "tests/FileSizeLimit.h"
#include "tests/unit/memory/MemoryTest.h"

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#else
#include <spawn.h>
#include <sys/wait.h>
extern char** environ;
#endif

namespace tesmarik {
namespace {

PriceStore ListPriced(int first, int count) {
    std::vector<PriceRow> rows;
    for (int i = 0; i < count; ++i) {
        rows.push_back(Row("n", std::to_string(57 + i), "4", std::to_string(first + i)));
    }
    return List(rows);
}

Offer SmallOffer(const std::string& number, int minute) {
    Offer offer;
    offer.number = number;
    offer.started = DateTime{2026, 12, 11, 10, minute % 60, 0};
    offer.client = "Клиент " + number;
    OfferPosition p;
    p.type = "n";
    p.diameter = 530;
    p.wall = 8;
    p.price = "78500";
    p.quantity = 100;
    p.averageLength = 11.3;
    offer.positions.push_back(p);
    return offer;
}

using FailedWrite = MemoryTest;

TEST_F(FailedWrite, AFullDiskRollsTheWriteBackSaysSoAndLeavesTheDatabaseAsItWas) {
    const struct {
        const char* name;
        std::function<void(Database&)> write;
    } writes[] = {
        {"a price list", [](Database& db) { StorePriceList(db, ListPriced(1, 3000), kNow, "s"); }},
        {"an offer",
         [](Database& db) {
             Offer offer = SmallOffer("1", 0);
             offer.comment = std::string(200000, 'x');  // more than the free pages hold
             RecordOffer(db, offer, std::nullopt, kNow);
         }},
    };
    // The disk is full two pages on (SQLite's own limit of the file), or the process may
    // write no file past a few kilobytes more than the database has now.
    const struct {
        const char* name;
        std::function<void(Database&, const std::function<void()>&)> full;
    } fills[] = {
        {"the page limit",
         [](Database& db, const std::function<void()>& write) {
             db.Exec("PRAGMA max_page_count = " +
                     std::to_string(QueryInt(db, "PRAGMA page_count") + 2));
             write();
         }},
#ifndef TESMARIK_NO_FILE_SIZE_LIMIT
        {"a file-size limit",
         [this](Database& db, const std::function<void()>& write) {
             db.Exec("PRAGMA wal_checkpoint(TRUNCATE)");
             FileSizeLimit limit(std::filesystem::file_size(DbPath()) + 8192);
             write();
         }},
#endif
    };
    Database db = Open();
    StorePriceList(db, ListPriced(100, 10), kNow, "s");
    RecordOffer(db, SmallOffer("0", 0), std::nullopt, kNow);
    const auto counts = [&db] {
        return std::vector<std::int64_t>{QueryInt(db, "SELECT count(*) FROM price_version"),
                                         QueryInt(db, "SELECT count(*) FROM price_row"),
                                         QueryInt(db, "SELECT count(*) FROM offer"),
                                         QueryInt(db, "SELECT count(*) FROM offer_size")};
    };
    const auto before = counts();
    for (const auto& fill : fills) {
        for (const auto& w : writes) {
            SCOPED_TRACE(std::string(fill.name) + ", " + w.name);
            try {
                fill.full(db, [&] { w.write(db); });
                ADD_FAILURE() << "written beyond the limit";
            } catch (const Error& e) {
                EXPECT_EQ(e.Text(), "Не удалось записать в файл базы данных " + DbPath() +
                                        ": диск заполнен или файл достиг предельного размера. "
                                        "Изменение не сохранено");
            }
            db.Exec("PRAGMA max_page_count = 1000000");
            EXPECT_EQ(counts(), before);
        }
    }
    // Room again: the same writes go through on the same connection.
    for (const auto& w : writes) {
        w.write(db);
    }
    EXPECT_EQ(QueryInt(db, "SELECT count(*) FROM price_version"), 2);
    EXPECT_EQ(QueryInt(db, "SELECT count(*) FROM offer"), 2);
}

// This test program started again to run one test, as a second copy of the program would
// run beside the first.
std::string OwnProgram() {
#ifdef _WIN32
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
#else
    return std::filesystem::read_symlink("/proc/self/exe").string();
#endif
}

std::intptr_t StartCopy(const std::string& test) {
    const std::string program = OwnProgram();
    const std::string filter = "--gtest_filter=" + test;
    const char* argv[] = {program.c_str(), filter.c_str(), "--gtest_also_run_disabled_tests",
                          nullptr};
#ifdef _WIN32
    return _spawnv(_P_NOWAIT, program.c_str(), argv);
#else
    pid_t pid = -1;
    return posix_spawn(&pid, program.c_str(), nullptr, nullptr, const_cast<char* const*>(argv),
                       environ) == 0
               ? pid
               : -1;
#endif
}

// The copy's exit status: 0 when its test passed.
int WaitForCopy(std::intptr_t copy) {
    int status = -1;
#ifdef _WIN32
    _cwait(&status, copy, 0);
    return status;
#else
    waitpid(static_cast<pid_t>(copy), &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

void SetCopyVariable(const std::string& value) {
#ifdef _WIN32
    _putenv_s("TESMARIK_MEMORY_COPY", value.c_str());
#else
    setenv("TESMARIK_MEMORY_COPY", value.c_str(), 1);
#endif
}

constexpr int kEachCopy = 25;

// One copy of the program: stores lists and records offers, each its own, as fast as it can.
// Run only by the test below, which names the copy and the folder: "2|/tmp/...".
TEST(TwoProcesses, DISABLED_OneCopyOfTheProgram) {
    const char* variable = std::getenv("TESMARIK_MEMORY_COPY");
    ASSERT_TRUE(variable);
    const std::string given = variable;
    const int copy = given[0] - '0';
    Database db = OpenMemory(given.substr(2), DateTime{}).db;
    for (int i = 0; i < kEachCopy; ++i) {
        // Every list differs from every other: each must become a version.
        StorePriceList(db, ListPriced(copy * 100000 + i * 100, 200),
                       DateTime{2026, 12, 11, copy, i, 0}, "copy " + std::to_string(copy));
        RecordOffer(db, SmallOffer(std::to_string(copy) + "-" + std::to_string(i), i), std::nullopt,
                    DateTime{});
    }
}

using TwoCopies = MemoryTest;

TEST_F(TwoCopies, StoringAndRecordingAtOnceLoseNothing) {
    // Both start on a folder with no database yet, as two copies of the program started
    // together would.
    std::intptr_t copies[2];
    for (int copy = 0; copy < 2; ++copy) {
        SetCopyVariable(std::to_string(copy + 1) + "|" + DataFolder());
        copies[copy] = StartCopy("TwoProcesses.DISABLED_OneCopyOfTheProgram");
        ASSERT_NE(copies[copy], -1);
    }
    SetCopyVariable("");
    for (const std::intptr_t copy : copies) {
        EXPECT_EQ(WaitForCopy(copy), 0);
    }
    Database db = Open();
    const auto versions = PriceVersions(db);
    ASSERT_EQ(versions.size(), 2u * kEachCopy);
    for (const PriceVersion& v : versions) {
        EXPECT_EQ(LoadPriceVersion(db, v.id).rows.size(), 200u);
    }
    EXPECT_EQ(FindOffers(db, {}).size(), 2u * kEachCopy);
    EXPECT_EQ(FindOffers(db, {.client = "клиент 2-"}).size(), 1u * kEachCopy);
}

}  // namespace
}  // namespace tesmarik
