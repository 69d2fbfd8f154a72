#include "price/PriceFilter.h"

#include <array>

#include "common/Numbers.h"
#include "common/Text.h"
#include "price/PriceGridPaint.h"
#include "price/PriceText.h"

namespace tesmarik {

namespace {

bool NoCondition(const std::string& text) {
    return text.empty() || text == "все";
}

bool TypeMatches(const std::string& type, const std::string& code) {
    if (type.empty() || type == "Все") {
        return true;
    }
    if (type == "Новые/Лежалые") {
        return code == "n" || code == "l";
    }
    if (type == "Восстановленные") {
        return code == "v";
    }
    if (type == "Котельные/толстостенные") {
        return code == "kt";
    }
    return false;
}

// A field with a "-" is a range low-high split at its last "-", bounds included;
// anything else is compared as text.
bool RangeOrTextMatches(const std::string& field, const std::string& wanted) {
    const std::size_t dash = field.rfind('-');
    if (dash == std::string::npos) {
        return field == wanted;
    }
    const double low = ReadNumber(field.substr(0, dash));
    const double high = ReadNumber(field.substr(dash + 1));
    const double value = ReadNumber(wanted);
    return low <= value && value <= high;
}

bool AnyPartIs(const std::string& field, const std::string& wanted) {
    for (const std::string& part : SplitAtBlanks(field)) {
        if (part == wanted) {
            return true;
        }
    }
    return false;
}

bool WallMatches(const std::string& wholeField, const std::string& wall) {
    const std::string field = FirstChars(wholeField, kExaminedChars);
    if (field == "все") {
        return true;
    }
    if (field.find(' ') != std::string::npos) {
        return AnyPartIs(field, wall);
    }
    return RangeOrTextMatches(field, wall);
}

bool SteelMatches(const std::string& wholeField, const std::string& steel) {
    const std::string field = FirstChars(wholeField, kExaminedChars);
    if (field.find(' ') != std::string::npos) {
        return AnyPartIs(field, steel);
    }
    return field == steel || field == "различные" || field == "ндан";
}

bool RowMatches(const PriceRow& row, const PriceCriteria& c) {
    return TypeMatches(c.type, row.Field(kTypeField)) &&
           (NoCondition(c.diameter) || RangeOrTextMatches(row.Field(kDiameterField), c.diameter)) &&
           (NoCondition(c.wall) || WallMatches(row.Field(kWallField), c.wall)) &&
           (NoCondition(c.steel) || SteelMatches(row.Field(kSteelField), c.steel)) &&
           (NoCondition(c.standard) || row.Field(kStandardField) == c.standard ||
            row.Field(kStandardField) == "ндан");
}

// Grid columns 0 to 7 and the fields they show; the supply marker rides in kMarkerColumn.
constexpr std::array<std::size_t, 8> kShownFields = {kTypeField,  kDiameterField, kWallField,
                                                     kSteelField, kStandardField, kQuantityField,
                                                     kPriceField, kNoteField};

}  // namespace

std::vector<std::size_t> MatchingRows(const PriceStore& store, const PriceCriteria& criteria) {
    std::vector<std::size_t> matching;
    for (std::size_t i = 0; i < store.rows.size(); ++i) {
        if (RowMatches(store.rows[i], criteria)) {
            matching.push_back(i);
        }
    }
    return matching;
}

void FilterPrices(TForm1& f, const PriceStore& store) {
    f.ComboBox9.Enabled = true;
    f.ComboBox10.Enabled = true;
    if (f.ComboBox11.Text == "Восстановленные") {
        // Reconditioned pipes are listed without steel and standard.
        f.ComboBox9.Enabled = false;
        f.ComboBox10.Enabled = false;
        f.ComboBox9.SetItemIndex(0);
        f.ComboBox10.SetItemIndex(0);
    }
    const PriceCriteria criteria{f.ComboBox11.Text, f.ComboBox7.Text, f.ComboBox8.Text,
                                 f.ComboBox9.Text, f.ComboBox10.Text};
    // Computed in full before the grid is touched, so a failed run leaves it as it was.
    const std::vector<std::size_t> matching = MatchingRows(store, criteria);

    StringGrid& grid = f.Tabl;
    const int oldRowCount = grid.RowCount;
    const int rowCount = 1 + static_cast<int>(matching.size());
    for (int r = 1; r < rowCount; ++r) {
        const PriceRow& row = store.rows[matching[static_cast<std::size_t>(r - 1)]];
        for (int c = 0; c < static_cast<int>(kShownFields.size()); ++c) {
            grid.SetCell(c, r, row.Field(kShownFields[static_cast<std::size_t>(c)]));
        }
        grid.SetCell(kMarkerColumn, r, row.Field(kSupplyField));
    }
    // Rows of an earlier, longer run keep nothing behind.
    for (int r = rowCount; r < oldRowCount; ++r) {
        for (int c = 0; c < static_cast<int>(kShownFields.size()); ++c) {
            grid.SetCell(c, r, "");
        }
        grid.SetCell(kMarkerColumn, r, "");
    }
    grid.ColCount = static_cast<int>(kShownFields.size());
    grid.RowCount = rowCount;
    if (grid.Row >= rowCount) {
        grid.Row = rowCount > grid.FixedRows ? rowCount - 1 : grid.FixedRows;
    }
}

}  // namespace tesmarik
