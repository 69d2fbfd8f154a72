#pragma once

#include <string>
#include <vector>

#include "price/PriceStore.h"

namespace tesmarik {

// Told once per reading when the file held more lines, or longer lines, than are read.
inline constexpr const char* kPriceClippedMessage =
    "Прайс больше, чем может показать программа: показаны только первые 300 строк по 300 "
    "знаков";

// Told once for a price file that holds no price list at all.
inline constexpr const char* kNoPriceListMessage =
    "Файл прайса повреждён: в нём нет прайса. Загрузите прайс заново";

// The price rows of a file's lines. The separators of the first line fix the number of
// fields of every line; empty and missing fields read "0", text behind further separators
// is ignored; only lines whose field 0 is a type code become rows. At most 300 lines and
// 301 fields are looked at, whatever the lines hold.
PriceStore ParsePriceLines(const std::vector<std::string>& lines);

}  // namespace tesmarik
