#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tesmarik {

// What a price file holds at most; the reader keeps no more than this of a larger file.
inline constexpr std::size_t kPriceMaxLines = 300;
inline constexpr std::size_t kPriceMaxLineChars = 300;
inline constexpr std::size_t kPriceMaxFields = 301;  // 300 separators

// The fields of a price line that the program uses.
enum PriceField : std::size_t {
    kTypeField = 0,
    kDiameterField = 1,
    kWallField = 2,
    kSteelField = 3,
    kStandardField = 4,
    kPriceField = 5,
    kNoteField = 6,
    kSupplyField = 9,  // "AEA5A3": supplied to order
    kQuantityField = 10,
};

// One position of the price list. It has as many fields as the file's first line (empty
// and missing ones read "0"); a field beyond those reads as the empty text.
struct PriceRow {
    std::vector<std::string> fields;

    const std::string& Field(std::size_t index) const {
        static const std::string beyond;
        return index < fields.size() ? fields[index] : beyond;
    }
};

// The positions of the price file last read, in file order (grid row 1 shows the first
// that matches).
struct PriceStore {
    std::vector<PriceRow> rows;
};

}  // namespace tesmarik
