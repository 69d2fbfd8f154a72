// The program's memory over a year: 365 daily lists of 5 000 rows, 2 % of the rows
// repriced each day, stored one after another in a real database file. Times storing the
// next day's list, comparing two kept versions and opening the file (its check included),
// and gives the file's size for the year.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "common/TempFolder.h"
#include "memory/MemoryFile.h"
#include "memory/PriceChanges.h"
#include "memory/PriceVersions.h"

namespace tesmarik {
namespace {

constexpr int kDays = 365;
constexpr std::size_t kRows = 5000;
constexpr std::size_t kChangedADay = kRows * 2 / 100;

// A seller's list: the sizes of a price list, with the fields its file has.
class SellerList {
public:
    SellerList() : random_(2026) {
        const char* types[] = {"n", "l", "v", "kt"};
        const char* steels[] = {"20", "09Г2С", "17Г1С", "13ХФА"};
        const char* standards[] = {"ГОСТ 8732-78", "ГОСТ 10704-91", "ГОСТ 20295-85",
                                   "ТУ 14-3-1128"};
        for (std::size_t i = 0; i < kRows; ++i) {
            const int diameter = 57 + static_cast<int>(i % 250) * 6;
            const std::string wall = std::to_string(3 + static_cast<int>(i / 250) % 20) + ",5";
            list_.rows.push_back(
                PriceRow{{types[i % 4], std::to_string(diameter), wall, steels[(i / 7) % 4],
                          standards[(i / 3) % 4], std::to_string(60000 + random_() % 40000),
                          "Бесшовная горячедеформированная", "Москва", "склад",
                          i % 10 == 0 ? "AEA5A3" : "0", std::to_string(random_() % 300) + ",5"}});
        }
    }

    // The next day's list: 2 % of the rows at another price.
    const PriceStore& NextDay() {
        for (std::size_t n = 0; n < kChangedADay; ++n) {
            PriceRow& row = list_.rows[random_() % kRows];
            row.fields[kPriceField] = std::to_string(60000 + random_() % 40000);
        }
        return list_;
    }
    const PriceStore& Today() const { return list_; }

private:
    std::mt19937_64 random_;
    PriceStore list_;
};

DateTime Day(int n) {
    // Days of a 28-day month, enough to tell the versions apart.
    return DateTime{2026 + n / 336, 1 + (n / 28) % 12, 1 + n % 28, 8, 15, 0};
}

}  // namespace
}  // namespace tesmarik

int main(int argc, char** argv) {
    using namespace tesmarik;
    benchmark::Initialize(&argc, argv);
    const auto folder = MakeTempFolder("tesmarik-bench-memory");
    if (!folder) {
        std::fprintf(stderr, "no temporary folder\n");
        return 2;
    }
    Database db = OpenMemory(folder->string(), Day(0)).db;
    SellerList seller;
    std::vector<std::int64_t> versions;
    versions.push_back(StorePriceList(db, seller.Today(), Day(0), "bench").version.id);
    for (int day = 1; day < kDays; ++day) {
        versions.push_back(StorePriceList(db, seller.NextDay(), Day(day), "bench").version.id);
    }
    db.Exec("PRAGMA wal_checkpoint(TRUNCATE)");
    const double yearMb =
        static_cast<double>(std::filesystem::file_size(MemoryFilePath(folder->string()))) / 1e6;
    std::printf("database for %d daily lists of %zu rows: %.2f MB\n", kDays, kRows, yearMb);

    benchmark::RegisterBenchmark(
        "PriceMemory/StoreOneList",
        [&](benchmark::State& state) {
            int day = kDays;
            for (auto _ : state) {
                state.PauseTiming();
                const PriceStore& list = seller.NextDay();
                state.ResumeTiming();
                benchmark::DoNotOptimize(StorePriceList(db, list, Day(day++), "bench"));
            }
            state.counters["year_MB"] = yearMb;
        })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("PriceMemory/CompareDayBefore",
                                 [&](benchmark::State& state) {
                                     for (auto _ : state) {
                                         benchmark::DoNotOptimize(ComparePriceVersions(
                                             db, versions[kDays - 2], versions[kDays - 1]));
                                     }
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("PriceMemory/CompareYearBefore",
                                 [&](benchmark::State& state) {
                                     for (auto _ : state) {
                                         benchmark::DoNotOptimize(ComparePriceVersions(
                                             db, versions[0], versions[kDays - 1]));
                                     }
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(
        "PriceMemory/OpenYear",
        [&](benchmark::State& state) {
            for (auto _ : state) {
                benchmark::DoNotOptimize(OpenMemory(folder->string(), Day(0)));
            }
        })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    std::filesystem::remove_all(*folder, ignored);
    return 0;
}
