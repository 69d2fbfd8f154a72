#include "price/PriceFileReader.h"

#include <algorithm>
#include <cstddef>

#include "price/PriceText.h"

namespace tesmarik {

namespace {

// Field j of a line: the text after the j-th separator up to the next one; "0" when that
// is empty or the line has fewer separators.
std::vector<std::string> SplitFields(const std::string& line, std::size_t fieldCount) {
    std::vector<std::string> fields;
    fields.reserve(fieldCount);
    // One pass over the characters: a line at the limits holds a hundred short fields.
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size() && fields.size() < fieldCount; ++i) {
        if (i == line.size() || line[i] == ';') {
            if (i > start) {
                fields.emplace_back(line, start, i - start);
            } else {
                fields.emplace_back(1, '0');
            }
            start = i + 1;
        }
    }
    while (fields.size() < fieldCount) {
        fields.emplace_back(1, '0');
    }
    return fields;
}

}  // namespace

PriceStore ParsePriceLines(const std::vector<std::string>& lines) {
    PriceStore store;
    if (lines.empty()) {
        return store;
    }
    const std::size_t separators =
        static_cast<std::size_t>(std::count(lines.front().begin(), lines.front().end(), ';'));
    const std::size_t fieldCount = std::min(separators + 1, kPriceMaxFields);
    const std::size_t lineCount = std::min(lines.size(), kPriceMaxLines);
    store.rows.reserve(lineCount);
    for (std::size_t i = 0; i < lineCount; ++i) {
        const std::string& line = lines[i];
        if (!IsPriceTypeCode(line.substr(0, line.find(';')))) {
            continue;
        }
        store.rows.push_back(PriceRow{SplitFields(line, fieldCount)});
    }
    return store;
}

}  // namespace tesmarik
