// Arbitrary bytes as the price file and arbitrary texts in the five search lists: the
// reader keeps within the limits of the format, and the lists, the filter and the
// painting never crash, whatever the file holds.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/Error.h"
#include "common/Text.h"
#include "files/QtFiles.h"
#include "form/TForm1.h"
#include "price/PriceFileReader.h"
#include "price/PriceFilter.h"
#include "price/PriceText.h"
#include "tabs/price/PriceGrid.h"
#include "tabs/price/PriceGridPaint.h"
#include "tabs/price/SearchLists.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tesmarik;
    FuzzedDataProvider input(data, size);
    const std::string type =
        input.ConsumeBool() ? "Восстановленные" : input.ConsumeRandomLengthString(30);
    const std::string diameter = input.ConsumeRandomLengthString(20);
    const std::string wall = input.ConsumeRandomLengthString(20);
    const std::string steel = input.ConsumeRandomLengthString(20);
    const std::string standard = input.ConsumeRandomLengthString(20);
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    const ClippedLines file = QtFiles::SplitLinesClipped(bytes, kPriceMaxLines, kPriceMaxLineChars);
    Require(file.lines.size() <= kPriceMaxLines);
    for (const std::string& line : file.lines) {
        Require(CharCount(line) <= kPriceMaxLineChars);
    }

    const PriceStore store = ParsePriceLines(file.lines);
    Require(store.rows.size() <= kPriceMaxLines);
    for (const PriceRow& row : store.rows) {
        Require(!row.fields.empty() && row.fields.size() <= kPriceMaxFields);
        Require(IsPriceTypeCode(row.Field(kTypeField)));
        for (const std::string& field : row.fields) {
            Require(!field.empty());
        }
    }

    // Building the window costs far more than the code under test; one is kept and the
    // controls the price tab changes are put back to their form state.
    static TForm1 f;
    f.ComboBox9.SetItems({"все"});
    f.ComboBox10.SetItems({"все"});
    f.Tabl.RowCount = 2;
    f.Tabl.Row = 1;
    FillSearchLists(f, store);
    f.ComboBox11.Text = type;
    f.ComboBox7.Text = diameter;
    f.ComboBox8.Text = wall;
    f.ComboBox9.Text = steel;
    f.ComboBox10.Text = standard;
    const int rowsBefore = f.Tabl.RowCount;
    try {
        FilterPrices(f, store);
        const auto matching = MatchingRows(
            store, {f.ComboBox11.Text, diameter, wall, f.ComboBox9.Text, f.ComboBox10.Text});
        Require(f.Tabl.RowCount == 1 + static_cast<int>(matching.size()));
    } catch (const Error&) {
        Require(f.Tabl.RowCount == rowsBefore);  // a failed run leaves the grid alone
    }
    for (int row = 0; row < f.Tabl.RowCount; ++row) {
        for (int col = 0; col < f.Tabl.ColCount; ++col) {
            const CellPaint paint = TablDrawCell(f, col, row, {false, row == 1, row == 0});
            Require(row > 0 || !paint.fill);
        }
    }
    return 0;
}
