#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "price/PriceStore.h"

namespace tesmarik {

// A version's rows as stored: the ids of its rows in the file's order, each written as the
// difference from the id before it (zigzag, 7 bits a byte). A list that changes little from
// day to day holds mostly ids one after the other: a byte a row.
std::string EncodeRowIds(const std::vector<std::int64_t>& ids);
// The ids again; none for bytes that are no such list.
std::optional<std::vector<std::int64_t>> DecodeRowIds(const std::string& bytes);

// A row's fields as one stored value: the fields one after another, each behind its length.
std::string EncodeRowFields(const PriceRow& row);
// The row again; none for bytes that are no such value.
std::optional<PriceRow> DecodeRowFields(const std::string& bytes);

}  // namespace tesmarik
