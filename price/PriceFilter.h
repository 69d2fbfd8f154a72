#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "form/TForm1.h"
#include "price/PriceState.h"

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

// Applies the search lists to the store and writes the matching rows into Tabl; the steel
// and standard lists are locked on "все" while reconditioned pipes are chosen. When a
// range cannot be read, Tabl keeps the rows of the previous run.
void FilterPrices(TForm1& f, const PriceStore& store);

}  // namespace tesmarik
