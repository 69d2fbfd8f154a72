#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "price/PriceStore.h"

namespace tesmarik {

// The texts of the five search lists.
struct PriceCriteria {
    std::string type;      // ComboBox11
    std::string diameter;  // ComboBox7
    std::string wall;      // ComboBox8
    std::string steel;     // ComboBox9
    std::string standard;  // ComboBox10
};

// Wall and steel fields are looked at up to this many characters.
inline constexpr std::size_t kExaminedChars = 200;

// Indexes (from 0) of the store rows that pass the type, diameter, wall, steel and
// standard conditions, in store order. A range that meets a text that is not a number
// throws the conversion error.
std::vector<std::size_t> MatchingRows(const PriceStore& store, const PriceCriteria& criteria);

// The fields the price grid shows, in its column order.
inline constexpr std::array<std::size_t, 8> kShownPriceFields = {
    kTypeField,     kDiameterField, kWallField,  kSteelField,
    kStandardField, kQuantityField, kPriceField, kNoteField};

// The type whose positions are listed without steel and standard.
inline constexpr const char* kReconditionedType = "Восстановленные";

}  // namespace tesmarik
