#include <functional>

#include "common/Error.h"
#include "memory/OfferArchive.h"
#include "memory/PriceVersions.h"
#include "tests/FileSizeLimit.h"
#include "tests/unit/memory/MemoryTest.h"

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
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

using TwoProcesses = MemoryTest;

TEST_F(TwoProcesses, StoringAndRecordingAtOnceLoseNothing) {
#ifdef _WIN32
    GTEST_SKIP() << "no fork on Windows";
#else
    constexpr int kEach = 25;
    // Both start on a folder with no database yet, as two copies of the program started
    // together would.
    const auto work = [this](int copy) {
        Database db = OpenMemory(DataFolder(), kNow).db;
        for (int i = 0; i < kEach; ++i) {
            // Every list differs from every other: each must become a version.
            StorePriceList(db, ListPriced(copy * 100000 + i * 100, 200),
                           DateTime{2026, 12, 11, copy, i, 0}, "copy " + std::to_string(copy));
            RecordOffer(db, SmallOffer(std::to_string(copy) + "-" + std::to_string(i), i),
                        std::nullopt, kNow);
        }
    };
    pid_t children[2];
    for (int copy = 0; copy < 2; ++copy) {
        children[copy] = fork();
        ASSERT_GE(children[copy], 0);
        if (children[copy] == 0) {
            int status = 0;
            try {
                work(copy + 1);
            } catch (const Error& e) {
                std::fprintf(stderr, "copy %d: %s\n", copy + 1, e.Text().c_str());
                status = 1;
            }
            _exit(status);
        }
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    Database db = Open();
    const auto versions = PriceVersions(db);
    ASSERT_EQ(versions.size(), 2u * kEach);
    for (const PriceVersion& v : versions) {
        EXPECT_EQ(LoadPriceVersion(db, v.id).rows.size(), 200u);
    }
    EXPECT_EQ(FindOffers(db, {}).size(), 2u * kEach);
    EXPECT_EQ(FindOffers(db, {.client = "клиент 2-"}).size(), 1u * kEach);
#endif
}

}  // namespace
}  // namespace tesmarik
