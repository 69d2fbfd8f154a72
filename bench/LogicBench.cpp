// Figures of the heavy operations of the window's logic, each against the target of one
// millisecond on one core. bench/run.sh builds this in Release and prints the table.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "assortment/SizeGrid.h"
#include "assortment/SizeTableSource.h"
#include "bench/BenchWindow.h"
#include "bench/PriceFileAtLimits.h"
#include "common/Numbers.h"
#include "files/QtFiles.h"
#include "tabs/price/PriceFile.h"
#include "tabs/price/PriceGrid.h"
#include "tabs/price/SearchLists.h"

namespace tesmarik {
namespace {

void FillAssortmentGridBench(benchmark::State& state) {
    SizeGrid grid;
    for (auto _ : state) {
        FillAssortmentGrid(grid);
        benchmark::DoNotOptimize(grid.At(2, 1));
    }
}
BENCHMARK(FillAssortmentGridBench)->Name("FillAssortmentGrid");

void LoadTuMassTableBench(benchmark::State& state, const char* code) {
    SizeGrid table;
    LoadTuMassTable(code, table);
    if (table.At(2, 1) == 0.0) {
        state.SkipWithError("the table has no diameters");
        return;
    }
    for (auto _ : state) {
        LoadTuMassTable(code, table);
        benchmark::DoNotOptimize(table.At(2, 1));
    }
}
BENCHMARK_CAPTURE(LoadTuMassTableBench, T50, "T50")->Name("LoadTuMassTable/T50");
BENCHMARK_CAPTURE(LoadTuMassTableBench, T55, "T55")->Name("LoadTuMassTable/T55");
BENCHMARK_CAPTURE(LoadTuMassTableBench, T55h, "T55h")->Name("LoadTuMassTable/T55h");
BENCHMARK_CAPTURE(LoadTuMassTableBench, T190, "T190")->Name("LoadTuMassTable/T190");
BENCHMARK_CAPTURE(LoadTuMassTableBench, T190h, "T190h")->Name("LoadTuMassTable/T190h");
BENCHMARK_CAPTURE(LoadTuMassTableBench, T460, "T460")->Name("LoadTuMassTable/T460");
BENCHMARK_CAPTURE(LoadTuMassTableBench, T460h, "T460h")->Name("LoadTuMassTable/T460h");
BENCHMARK_CAPTURE(LoadTuMassTableBench, T796, "T796")->Name("LoadTuMassTable/T796");

// The first load of any table spells all eight out from their written-down form; the
// user waits for it once, when choosing the boiler type for the first time.
void ExpandTuTablesBench(benchmark::State& state) {
    using Source = TuTableSource (*)();
    const Source sources[] = {T50Source,   T55Source,  T55hSource,  T190Source,
                              T190hSource, T460Source, T460hSource, T796Source};
    for (auto _ : state) {
        for (const Source source : sources) {
            ExpandedSizeTable table = ExpandSizeTable(source());
            benchmark::DoNotOptimize(table.cells.data());
        }
    }
}
BENCHMARK(ExpandTuTablesBench)->Name("ExpandSizeTable/all eight");

// Mode 2 with 1,000 pipe lengths typed into the grid, then Button1.
void MassRunSinglePipesBench(benchmark::State& state) {
    BenchWindow b;
    b.Do("tab 0");
    b.Do("pick ComboBox1 0");
    b.Do("choose ComboBox2 530");
    b.Do("choose ComboBox3 8");
    b.Do("pick RadioGroup2 2");
    constexpr int kPipes = 1000;
    for (int r = 1; r <= kPipes; ++r) {
        // 10 to 12,9 m: at least two characters, so the grid grows a row per pipe.
        b.Do("typecell rtab 0 " + std::to_string(r) + " " + ShowNumber(10 + (r % 30) / 10.0));
    }
    TForm1& f = b.window.form;
    for (auto _ : state) {
        b.window.Dispatch(f.Button1.OnClick);
    }
    if (f.Label38.Text.rfind("Итого: " + std::to_string(kPipes) + " шт.", 0) != 0) {
        state.SkipWithError(("the run did not count the pipes: " + f.Label38.Text).c_str());
    }
}
BENCHMARK(MassRunSinglePipesBench)->Name("Button1Click/mode 2, 1000 lengths");

// The loading norm of a gondola wagon with a consignment given by mass, then Button2.
void LoadingRunBench(benchmark::State& state) {
    BenchWindow b;
    b.Do("tab 1");
    b.Do("pick RadioGroup1 0");
    b.Do("choose ComboBox4 530");
    b.Do("choose ComboBox5 10");
    b.Do("pick RadioGroup3 0");
    b.Do("type Edit8 1234,5");
    TForm1& f = b.window.form;
    for (auto _ : state) {
        b.window.Dispatch(f.Button2.OnClick);
    }
    if (f.Label65.Text.empty() || f.Memo3.Lines.size() < 10) {
        state.SkipWithError("the loading run gave no consignment");
    }
}
BENCHMARK(LoadingRunBench)->Name("Button2Click/with consignment");

// The price tab at the format's limits: the file read, the lists extended from scratch,
// and the filter with every row matching (the most grid cells written) or with a
// diameter and a wall that every row must read as ranges (the most numbers read).
struct PriceBench {
    PriceBench()
        : steels(b.window.form.ComboBox9.Items), standards(b.window.form.ComboBox10.Items) {
        QtFiles::WriteBytes(b.PriceFile(), PriceFileAtLimits());
        // Written two hours before the runner's clock: fresh, so no offer of a new one.
        QtFiles::SetLastWrite(b.PriceFile(), DateTime{2026, 1, 1, 10, 0, 0});
    }
    // The search lists as the form has them before any price file.
    void FreshLists() {
        b.window.form.ComboBox9.Items = steels;
        b.window.form.ComboBox10.Items = standards;
    }
    BenchWindow b;
    const std::vector<std::string> steels;
    const std::vector<std::string> standards;
};

void ReadPriceFileBench(benchmark::State& state) {
    PriceBench p;
    PriceState& price = p.b.window.state.price;
    for (auto _ : state) {
        ReadPriceFile(price, p.b.platform, p.b.platform.PriceFilePath());
    }
    if (price.store.rows.size() != kPriceRowsAtLimits) {
        state.SkipWithError("the price file did not give its rows");
    }
}
BENCHMARK(ReadPriceFileBench)->Name("ReadPriceFile/300 x 300");

void FillSearchListsBench(benchmark::State& state) {
    PriceBench p;
    ReadPriceFile(p.b.window.state.price, p.b.platform, p.b.platform.PriceFilePath());
    for (auto _ : state) {
        state.PauseTiming();
        p.FreshLists();
        state.ResumeTiming();
        FillSearchLists(p.b.window.form, p.b.window.state.price.store);
    }
    if (p.b.window.form.ComboBox10.Items.size() < kPriceRowsAtLimits) {
        state.SkipWithError("the standards were not listed");
    }
}
BENCHMARK(FillSearchListsBench)->Name("FillSearchLists/300 rows");

void FilterPricesBench(benchmark::State& state, bool ranges) {
    PriceBench p;
    TForm1& f = p.b.window.form;
    ReadPriceFile(p.b.window.state.price, p.b.platform, p.b.platform.PriceFilePath());
    if (ranges) {
        f.ComboBox7.Text = "530";
        f.ComboBox8.Text = "10";
    }
    for (auto _ : state) {
        FilterPrices(f, p.b.window.state.price.store);
    }
    if (f.Tabl.RowCount != static_cast<int>(kPriceRowsAtLimits) + 1) {
        state.SkipWithError(
            ("the filter did not pass every row: " + std::to_string(f.Tabl.RowCount)).c_str());
    }
}
BENCHMARK_CAPTURE(FilterPricesBench, all, false)->Name("FilterPrices/300 rows, all");
BENCHMARK_CAPTURE(FilterPricesBench, ranges, true)->Name("FilterPrices/300 rows, ranges");

// The whole visit of the price tab: file, lists and filter.
void PriceTabVisitBench(benchmark::State& state) {
    PriceBench p;
    TForm1& f = p.b.window.form;
    PriceState& price = p.b.window.state.price;
    for (auto _ : state) {
        state.PauseTiming();
        p.FreshLists();
        state.ResumeTiming();
        ReadPriceFile(price, p.b.platform, p.b.platform.PriceFilePath());
        FillSearchLists(f, price.store);
        FilterPrices(f, price.store);
    }
    if (f.Tabl.RowCount != static_cast<int>(kPriceRowsAtLimits) + 1) {
        state.SkipWithError("the price tab did not show every row");
    }
}
BENCHMARK(PriceTabVisitBench)->Name("ReadPriceFile+FillSearchLists+FilterPrices");

// The same as the user meets it: the price tab brought to the front, with the file's age
// checked and the lists already holding the file's values from an earlier visit.
void PriceTabChangeBench(benchmark::State& state) {
    PriceBench p;
    TForm1& f = p.b.window.form;
    f.PageControl1.ActivePageIndex = kPriceTab;
    for (auto _ : state) {
        p.b.window.Dispatch(f.PageControl1.OnChange);
    }
    if (f.Tabl.RowCount != static_cast<int>(kPriceRowsAtLimits) + 1) {
        state.SkipWithError("the price tab did not show every row");
    }
}
BENCHMARK(PriceTabChangeBench)->Name("PageControl1Change/to the price tab");

const std::vector<std::string>& NumberTexts() {
    static const std::vector<std::string> texts = {
        "104,01", "  -1,5E20  ", "0,0005",
        "11,3",   "60",          "1234567890,12345",
        "9,75",   "1e-5",        std::string(40, '9') + ",5"};
    return texts;
}

const std::vector<double>& NumberValues() {
    static const std::vector<double> values = {104.01,  -1.5e20,           0.0005, 11.3,   60,
                                               1.0 / 3, 123456789012345.6, 1e-5,   480.723};
    return values;
}

void ReadNumberBench(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& text : NumberTexts()) {
            benchmark::DoNotOptimize(ReadNumber(text));
        }
    }
    state.SetItemsProcessed(state.iterations() *
                            static_cast<benchmark::IterationCount>(NumberTexts().size()));
}
BENCHMARK(ReadNumberBench)->Name("ReadNumber/9 texts");

void ShowNumberBench(benchmark::State& state) {
    for (auto _ : state) {
        for (const double value : NumberValues()) {
            benchmark::DoNotOptimize(ShowNumber(value));
        }
    }
    state.SetItemsProcessed(state.iterations() *
                            static_cast<benchmark::IterationCount>(NumberValues().size()));
}
BENCHMARK(ShowNumberBench)->Name("ShowNumber/9 values");

}  // namespace
}  // namespace tesmarik

BENCHMARK_MAIN();
